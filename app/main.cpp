// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardaccessible.h"
#include "commandline.h"
#include "identity.h"
#include "privateplugins.h"
#include "puzzlefirst.h"
#include "puzzleui.h"
#include "sensorchoice.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

namespace {

void print(const QString &text, FILE *stream)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The game's icon for its windows, which window managers show in title bars and task bars: the
// one installed with it, found from the executable's folder as the default picture is, else the
// build tree's copy beside the game. Null when there is none.
QIcon gameIcon()
{
    const QString appDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString file = QStringLiteral("/apps/%1.png").arg(QLatin1String(Identity::DESKTOP_ID));
    QIcon icon;
    for (const char *theme : {Identity::ICONS_FROM_BIN, Identity::BUILD_ICONS}) {
        // One folder a size, named as 48x48; the size is known without reading the file.
        const QDir folder(appDir + QLatin1String(theme));
        for (const QString &size : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const int side = size.section(QLatin1Char('x'), 0, 0).toInt();
            if (side > 0 && QFileInfo::exists(folder.filePath(size + file)))
                icon.addFile(folder.filePath(size + file), QSize(side, side));
        }
        if (!icon.isNull())
            break;
    }
    return icon;
}

} // namespace

int qMain(int argc, char **argv)
{
    QCoreApplication::setOrganizationName(QLatin1String(PuzzleFirst::ORGANISATION_NAME));
    QCoreApplication::setApplicationName(QLatin1String(PuzzleFirst::APPLICATION_NAME));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Read before the application object exists, which would need a display to play; what it
    // prints is read again once the catalogues are in, which need an application object.
    const CommandLine commandLine(arguments);

    switch (commandLine.request()) {
    case CommandLine::ShowText:
    case CommandLine::Fail: {
        QCoreApplication app(argc, argv);
        const Translations translations;
        const CommandLine translated(arguments);
        const bool failed = translated.request() == CommandLine::Fail;
        print(translated.text(), failed ? stderr : stdout);
        return failed ? 2 : 0;
    }
    case CommandLine::ListSensors: {
        // The sensor plugins need an application object, but no display. A read of the kernel's
        // accelerometer that never returns is left behind: exiting does not wait for it.
        QCoreApplication app(argc, argv);
        const Translations translations;
        print(SensorChoice().report().join(QLatin1Char('\n')) + QLatin1Char('\n'), stdout);
        return 0;
    }
    case CommandLine::Play:
        break;
    }

    QApplication app(argc, argv);
    // Before the first picture is read, so that the toolkit lists the game's formats with its own.
    PrivatePlugins::addFolder();
    const Translations translations;
    BoardAccessible::install();
    QApplication::setApplicationDisplayName(QLatin1String(PuzzleFirst::APPLICATION_NAME));
    // Lets the desktop match the window with the menu entry and its icon; window managers that
    // know nothing of menu entries take the icon from the window.
    QGuiApplication::setDesktopFileName(QLatin1String(Identity::DESKTOP_ID));
    QApplication::setWindowIcon(gameIcon());

    PuzzleUI window(nullptr, commandLine.picture());
    window.showMaximized();
    return app.exec();
}

int main(int argc, char **argv)
{
    return qMain(argc, argv);
}
