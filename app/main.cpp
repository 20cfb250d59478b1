// SPDX-License-Identifier: GPL-3.0-or-later
#include "afterfirstframe.h"
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
#include <QImageReader>
#include <QPixmap>

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
        // One folder a size, named as 48x48. Each is read as the PNG it is: left to detect the
        // format, the toolkit would load every image plugin installed first, which costs more than
        // the rest of the start together.
        const QDir folder(appDir + QLatin1String(theme));
        for (const QString &size : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (size.section(QLatin1Char('x'), 0, 0).toInt() <= 0
                || !QFileInfo::exists(folder.filePath(size + file)))
                continue;
            QImageReader reader(folder.filePath(size + file), "png");
            reader.setAutoDetectImageFormat(false);
            const QImage image = reader.read();
            if (!image.isNull())
                icon.addPixmap(QPixmap::fromImage(image));
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

    PuzzleUI window(nullptr, commandLine.picture());
    window.showMaximized();
    // Set once the window has drawn, which its first frame need not wait for: on the window, whose
    // window system keeps it as a property, and for the message boxes and dialogs to come.
    new AfterFirstFrame(window.windowHandle(), &window, [&window] {
        const QIcon icon = gameIcon();
        QApplication::setWindowIcon(icon);
        window.setWindowIcon(icon);
    });
    return app.exec();
}

int main(int argc, char **argv)
{
    return qMain(argc, argv);
}
