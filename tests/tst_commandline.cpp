// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "identity.h"
#include "sensorchoice.h"
#include "testsupport.h"

#include <QProcess>

// The command line as parsed, and the game run as a process with no display at all: whatever it
// does there, it can do without opening a window.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void withoutDisplay_data();
    void withoutDisplay();
    void sensorsReportTheInputsChoice();
    void toolkitOptionsReachTheToolkit();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // Runs the game with arguments and no display in its environment.
    static Result runGame(const QStringList &arguments);
};

TestCommandLine::Result TestCommandLine::runGame(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PLIVORA_GAME), arguments);
    Result result;
    if (process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("picture"); // "-" for none

    const int play = CommandLine::Play;
    QTest::newRow("nothing") << QStringList() << play << "-";
    QTest::newRow("picture") << QStringList {"a b.png"} << play << "a b.png";
    QTest::newRow("after toolkit options")
        << QStringList {"-platform", "offscreen", "-style=Fusion", "--reverse", "p.jpg"} << play
        << "p.jpg";
    QTest::newRow("looks like an option") << QStringList {"--", "-p.png"} << play << "-p.png";
    QTest::newRow("empty name") << QStringList {""} << play << "";
    QTest::newRow("sensors") << QStringList {"--sensors"} << int(CommandLine::ListSensors) << "-";
    QTest::newRow("help") << QStringList {"-h"} << int(CommandLine::ShowText) << "-";
    QTest::newRow("two pictures") << QStringList {"a.png", "b.png"} << int(CommandLine::Fail)
                                  << "-";
    QTest::newRow("missing value") << QStringList {"-style"} << int(CommandLine::Fail) << "-";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, request);
    QFETCH(QString, picture);
    const CommandLine commandLine(QStringList {"/usr/games/plivora"} + arguments);
    QCOMPARE(int(commandLine.request()), request);
    QCOMPARE(commandLine.picture().value_or(QStringLiteral("-")), picture);
    if (request == CommandLine::Fail) {
        QCOMPARE(commandLine.text().count(QLatin1Char('\n')), 1);
        QVERIFY(commandLine.text().endsWith(
            QStringLiteral("Try 'plivora --help' for more information.\n")));
    }
}

void TestCommandLine::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("outHas");
    QTest::addColumn<QStringList>("outHasNot");
    QTest::addColumn<QStringList>("errHas");

    const QStringList help {"Usage: plivora [options] [PICTURE]", "--sensors", "--version"};
    QTest::newRow("help") << QStringList {"--help"} << 0 << help << QStringList {"-platform"}
                          << QStringList();
    QTest::newRow("help, short") << QStringList {"-h"} << 0 << help << QStringList {"-platform"}
                                 << QStringList();
    QTest::newRow("help with Qt's options")
        << QStringList {"--help-all"} << 0 << (help + QStringList {"-platform", "-style"})
        << QStringList() << QStringList();
    QTest::newRow("version") << QStringList {"--version"} << 0
                             << QStringList {QStringLiteral("Plivora %1\n").arg(Identity::VERSION)}
                             << QStringList() << QStringList();
    QTest::newRow("version after a toolkit option")
        << QStringList {"-platform", "xcb", "-v"} << 0 << QStringList {Identity::VERSION}
        << QStringList() << QStringList();
    QTest::newRow("unknown long option") << QStringList {"--frobnicate"} << 2 << QStringList()
                                         << QStringList() << QStringList {"frobnicate", "--help"};
    QTest::newRow("unknown short option") << QStringList {"-x", "picture.png"} << 2 << QStringList()
                                          << QStringList() << QStringList {"'x'", "--help"};
}

void TestCommandLine::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, outHas);
    QFETCH(QStringList, outHasNot);
    QFETCH(QStringList, errHas);

    const Result result = runGame(arguments);
    QCOMPARE(result.exitCode, exitCode);
    for (const QString &text : outHas)
        QVERIFY2(result.out.contains(text), qPrintable(result.out));
    for (const QString &text : outHasNot)
        QVERIFY2(!result.out.contains(text), qPrintable(result.out));
    if (errHas.isEmpty()) {
        QCOMPARE(result.err, QString());
    } else {
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
        QVERIFY(result.err.endsWith(QLatin1Char('\n')));
        for (const QString &text : errHas)
            QVERIFY2(result.err.contains(text), qPrintable(result.err));
    }
}

void TestCommandLine::sensorsReportTheInputsChoice()
{
    // The game's report is the input's own account of this machine's sensors.
    const Result result = runGame({QStringLiteral("--sensors")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, SensorChoice().report().join(QLatin1Char('\n')) + "\n");
    QVERIFY(result.out.contains(QStringLiteral("Tilt input: ")));
}

void TestCommandLine::toolkitOptionsReachTheToolkit()
{
    // A platform that does not exist: the toolkit, not the game, must be the one to refuse it.
    const Result result = runGame({QStringLiteral("-platform"), QStringLiteral("plivora-none")});
    QVERIFY(result.exitCode != 0);
    QVERIFY2(result.err.contains(QStringLiteral("\"plivora-none\"")), qPrintable(result.err));
    QVERIFY2(!result.err.contains(QStringLiteral("--help")), qPrintable(result.err));
}

PLIVORA_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
