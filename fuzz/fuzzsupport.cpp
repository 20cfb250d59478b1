// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

    // Removed when the process exits normally; a crashed run leaves it behind for a look.
    QTemporaryDir &folder()
    {
        static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/plivora-fuzz-XXXXXX"));
        return dir;
    }

} // namespace

void startApplication(const char *programName)
{
    const QString home = folder().path();
    if (!folder().isValid())
        fail("cannot make a temporary folder");
    const QByteArray root = QFile::encodeName(home);
    for (const char *sub : {"config", "cache", "data", "runtime", "work"})
        QDir(home).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QDir::setCurrent(home + QStringLiteral("/work")))
        fail("cannot enter the temporary folder");

    // The application object holds on to argc and argv; it is destroyed at exit, which lets the
    // font and plugin libraries release what they hold before the leak check.
    static int argc = 1;
    static char *argv[] = {const_cast<char *>(programName), nullptr};
    static QApplication app(argc, argv);

    // The font database is set up on first use, which may take seconds on a busy machine; done
    // here, it does not count against the first input's time limit.
    QFontMetrics(QFont()).horizontalAdvance(QStringLiteral("12345678"));
}

QString workFolder()
{
    return folder().path() + QStringLiteral("/work");
}

void fail(const char *what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport
