// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifpicture.h"
#include "identity.h"
#include "imageloader.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGraphicsItem>
#include <QProcess>
#include <QTemporaryDir>

using namespace TestSupport;

// Installs the game into a temporary prefix and starts it from elsewhere, as a menu would.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsTheGameAndItsDataOnly();
    void defaultPictureFoundFromAnywhere_data();
    void defaultPictureFoundFromAnywhere();

private:
    // Runs program in folder with extra environment; returns its standard output.
    static QString run(const QString &program, const QStringList &arguments, const QString &folder,
        const QStringList &environment = {});
    static QString expectedTiles(const QString &picture);

    QTemporaryDir root;
    QString prefix;
};

QString TestInstall::run(const QString &program, const QStringList &arguments,
    const QString &folder, const QStringList &environment)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &assignment : environment)
        env.insert(
            assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start();
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return QStringLiteral("failed");
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString TestInstall::expectedTiles(const QString &picture)
{
    ImageLoader loader;
    const QList<QGraphicsItem *> items = loader.LoadAndSplitImage(picture, 3, 3);
    const QString description = describeTiles(items);
    qDeleteAll(items);
    return description;
}

void TestInstall::initTestCase()
{
    QVERIFY(root.isValid());
    // The tiles a HEIC picture should give, from the build's own plugin.
    QCoreApplication::addLibraryPath(QStringLiteral(PLIVORA_BUILD_PLUGINDIR));
    prefix = root.filePath(QStringLiteral("prefix"));
    QProcess install;
    install.start(QStringLiteral(PLIVORA_CMAKE),
        {QStringLiteral("--install"), QStringLiteral(PLIVORA_BUILD_DIR), QStringLiteral("--prefix"),
            prefix});
    QVERIFY(install.waitForFinished(240000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
}

void TestInstall::installsTheGameAndItsDataOnly()
{
    QStringList files;
    QDirIterator it(prefix, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(prefix).relativeFilePath(it.next()));
    files.sort();
    const QString icon = QStringLiteral("share/icons/hicolor/%1/apps/org.zendrakk.Plivora.%2");
    QStringList expected {QStringLiteral("bin/plivora"),
        QStringLiteral("share/plivora/default.png"), QStringLiteral("share/plivora/default@2x.png"),
        QStringLiteral("share/plivora/default@3x.png"),
        QStringLiteral("share/applications/org.zendrakk.Plivora.desktop"),
        QStringLiteral("share/metainfo/org.zendrakk.Plivora.metainfo.xml"),
        QStringLiteral("share/man/man6/plivora.6"), icon.arg("scalable", "svg"),
        QDir::cleanPath(QStringLiteral("bin/") + QLatin1String(Identity::PLUGINS_FROM_BIN)
            + QStringLiteral("/imageformats/libplivoraheif.so"))};
    for (const char *size : {"48x48", "64x64", "128x128", "256x256"})
        expected.append(icon.arg(QLatin1String(size), QStringLiteral("png")));
    expected.sort();
    QCOMPARE(files, expected);

    const QString version = run(
        prefix + QStringLiteral("/bin/plivora"), {QStringLiteral("--version")}, QDir::rootPath());
    QCOMPARE(version, QStringLiteral("Plivora %1").arg(Identity::VERSION));
}

void TestInstall::defaultPictureFoundFromAnywhere_data()
{
    QTest::addColumn<bool>("besideGame");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("ownPicture");
    QTest::addColumn<bool>("inDataDirs");
    // A HEIC picture given to it, which only the game's own plugin reads, found from the game's
    // folder.
    QTest::addColumn<bool>("heic");
    QTest::newRow("installed") << true << false << false << false << false;
    QTest::newRow("moved tree") << true << true << false << false << false;
    QTest::newRow("working directory's own") << true << false << true << false << false;
    QTest::newRow("standard data folder") << false << false << false << true << false;
    QTest::newRow("nowhere") << false << false << false << false << false;
    QTest::newRow("HEIC, moved tree") << true << true << false << false << true;
    QTest::newRow("HEIC, away from the game") << false << false << false << true << true;
}

void TestInstall::defaultPictureFoundFromAnywhere()
{
    QFETCH(bool, besideGame);
    QFETCH(bool, moved);
    QFETCH(bool, ownPicture);
    QFETCH(bool, inDataDirs);
    QFETCH(bool, heic);

    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QString tree = prefix;
    if (moved) {
        tree = elsewhere.filePath(QStringLiteral("moved"));
        QVERIFY(QDir().rename(prefix, tree));
    }
    const auto restore = qScopeGuard([&] {
        if (moved)
            QDir().rename(tree, prefix);
    });

    // The probe builds the engine as the game does; copied beside the installed game it looks
    // where the game looks.
    QString probe = QStringLiteral(PLIVORA_PROBE);
    if (besideGame) {
        probe = tree + QStringLiteral("/bin/probe");
        QVERIFY(QFile::copy(QStringLiteral(PLIVORA_PROBE), probe));
    }
    const auto removeProbe = qScopeGuard([&] {
        if (besideGame)
            QFile::remove(probe);
    });

    const QString workDir = elsewhere.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(workDir));
    QString picture = tree + QStringLiteral("/share/plivora/default.png");
    if (ownPicture) {
        picture = workDir + QStringLiteral("/default.png");
        QVERIFY(writeRegionPicture(picture, QSize(90, 90)));
    }
    QStringList arguments;
    if (heic) {
        picture = workDir + QStringLiteral("/photo.heic");
        QImage photo(64, 64, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QVERIFY(HeifPicture::write(picture, photo));
        arguments.append(picture);
    }
    QStringList environment;
    if (inDataDirs)
        environment.append(QStringLiteral("XDG_DATA_DIRS=") + tree + QStringLiteral("/share"));

    QString expected = QStringLiteral("numbers");
    if (besideGame || (inDataDirs && !heic)) {
        expected = expectedTiles(picture);
        QVERIFY(expected.startsWith(QStringLiteral("picture")));
    }
    QCOMPARE(run(probe, arguments, workDir, environment), expected);
}

PLIVORA_TEST_MAIN(TestInstall)
#include "tst_install.moc"
