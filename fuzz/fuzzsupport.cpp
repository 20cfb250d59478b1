// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"
#include "sandbox.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

    QString home; // the folder of the isolated environment

} // namespace

void startApplication(const char *programName)
{
    home = TestSupport::isolateEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QDir(home).mkpath(QStringLiteral("work")) || !QDir::setCurrent(workFolder()))
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
    return home + QStringLiteral("/work");
}

void fail(const char *what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport
