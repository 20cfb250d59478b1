// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"
#include "input.h"
#include "puzzlefirst.h"
#include "puzzlepiece.h"
#include "puzzleui.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QLCDNumber>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <qpa/qwindowsysteminterface.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

struct Box
{
    QString title;
    QString text;
    bool operator==(const Box &other) const { return title == other.title && text == other.text; }
};

char *toString(const Box &box)
{
    return QTest::toString(QStringLiteral("Box(\"%1\", \"%2\")").arg(box.title, box.text));
}

// Watches for modal dialogs as they open, from a timer that runs in their event loops: message
// boxes are noted and closed with their OK button, other dialogs handed to onDialog.
class DialogWatcher : public QObject
{
public:
    DialogWatcher()
    {
        connect(&timer, &QTimer::timeout, this, &DialogWatcher::poll);
        timer.start(10);
    }
    QList<Box> boxes;
    std::function<void(QDialog *)> onDialog;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes.append({box->windowTitle(), box->text()});
            box->button(QMessageBox::Ok)->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            if (onDialog)
                onDialog(dialog);
        }
    }
    QTimer timer;
};

const QString FinishText = QStringLiteral("you have finished the puzzle.");
const QString InstructionsText = QStringLiteral(
    "The idea is to get puzzle in the correct order. The correct order is when empty tile is in "
    "left upper corner.");

} // namespace

class TestPuzzleUI : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void columnOfControls();
    void selectorFollowsStoredDifficulty_data();
    void selectorFollowsStoredDifficulty();
    void selectorChangeStartsNewGame_data();
    void selectorChangeStartsNewGame();
    void wheelTurnsSelectorOnlyWithFocus_data();
    void wheelTurnsSelectorOnlyWithFocus();
    void selectorChosenByClickLeavesKeysOnBoard();
    void timeDisplay();
    void timeDisplayOnTheRealClock();
    void instructionsBox();
    void highscoresButton_data();
    void highscoresButton();
    void highscoreTextBlanksOnlyEmptyPositions_data();
    void highscoreTextBlanksOnlyEmptyPositions();
    void solvedByMouseShowsFinishThenHighscores_data();
    void solvedByMouseShowsFinishThenHighscores();
    void killedBehindTheFinishBoxKeepsTheTime();
    void arrowKeysPlayOnTheBoard();
    void arrowKeysPlayWhicheverControlHasTheFocus_data();
    void arrowKeysPlayWhicheverControlHasTheFocus();
    void mnemonicsKeepWorking();
    void inputsReachTheEngine();
    void tiltOnlyInFront_data();
    void tiltOnlyInFront();
    void loadImage_data();
    void loadImage();
    void pictureGivenAtStart_data();
    void pictureGivenAtStart();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void tilesFollowTheScreen();
    void fitsAPhone();
    void touchTapPressesAButton();

private:
    // The window's parts, for the tests.
    static PuzzleFirst *engine(PuzzleUI &w) { return w.engine; }
    static Board *board(PuzzleUI &w) { return w.board; }
    static QComboBox *selector(PuzzleUI &w) { return w.difficulty; }
    static QLCDNumber *display(PuzzleUI &w) { return w.timeDisplay; }
    static Input *tilt(PuzzleUI &w) { return w.rotInput; }
    static bool showActive(PuzzleUI &w);
    // One tick of the window's display timer, without waiting for it.
    static void tick(PuzzleUI &w) { QVERIFY(QMetaObject::invokeMethod(&w.timer, "timeout")); }

    QTemporaryDir workDir;
    TestSensors sensors;
};

bool TestPuzzleUI::showActive(PuzzleUI &w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

void TestPuzzleUI::initTestCase()
{
    QVERIFY(workDir.isValid());
    QVERIFY(QDir::setCurrent(workDir.path()));
    QVERIFY(writeRegionPicture(workDir.filePath("default.png"), QSize(300, 300)));
}

void TestPuzzleUI::init()
{
    clearSettings();
}

void TestPuzzleUI::cleanup()
{
    sensors.unregisterAll();
}

void TestPuzzleUI::columnOfControls()
{
    PuzzleUI window;
    auto *main = qobject_cast<QHBoxLayout *>(window.centralWidget()->layout());
    QVERIFY(main);
    QCOMPARE(main->count(), 2);
    QCOMPARE(main->itemAt(0)->widget(), board(window));
    auto *column = qobject_cast<QVBoxLayout *>(main->itemAt(1)->layout());
    QVERIFY(column);

    QStringList shown;
    for (int i = 0; i < column->count(); ++i) {
        QLayoutItem *item = column->itemAt(i);
        if (item->spacerItem())
            shown << "stretch";
        else if (auto *button = qobject_cast<QPushButton *>(item->widget()))
            shown << button->text();
        else if (qobject_cast<QComboBox *>(item->widget()))
            shown << "selector";
        else if (qobject_cast<QLCDNumber *>(item->widget()))
            shown << "time";
    }
    QCOMPARE(shown,
        QStringList({"time", "stretch", "&new game", "&highscores", "selector", "&Load image",
            "&instructions", "&exit", "stretch"}));

    // The time display: white behind the digits, black base.
    const QPalette palette = display(window)->palette();
    QCOMPARE(palette.color(QPalette::Active, QPalette::Window), QColor(Qt::white));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Window), QColor(Qt::white));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Base), QColor(Qt::black));
    QVERIFY(display(window)->autoFillBackground());
}

void TestPuzzleUI::selectorFollowsStoredDifficulty_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("moves");
    QTest::addColumn<QString>("storedAfter");
    // "+2" reads as 2; had setting up the selector started a game through NewDifficulty, the
    // engine would have written the difficulty back as "2".
    QTest::newRow("nothing stored") << QVariant() << 0 << 3 << "1";
    QTest::newRow("easy") << QVariant(1) << 0 << 3 << "1";
    QTest::newRow("average") << QVariant(2) << 1 << 20 << "2";
    QTest::newRow("hard") << QVariant(3) << 2 << 50 << "3";
    QTest::newRow("average, no second game") << QVariant("+2") << 1 << 20 << "+2";
    QTest::newRow("hard, no second game") << QVariant("+3") << 2 << 50 << "+3";
    QTest::newRow("int min, none chosen") << QVariant("-2147483648") << -1 << 0 << "-2147483648";
    QTest::newRow("int max, none chosen") << QVariant("2147483647") << -1 << 0 << "2147483647";
}

void TestPuzzleUI::selectorFollowsStoredDifficulty()
{
    QFETCH(QVariant, stored);
    QFETCH(int, index);
    QFETCH(int, moves);
    QFETCH(QString, storedAfter);
    if (stored.isValid())
        storeSetting("current/difficulty", stored);

    PuzzleUI window;
    QComboBox *combo = selector(window);
    QCOMPARE(combo->count(), 3);
    const QStringList texts = {"easy", "average", "hard"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(combo->itemText(i), texts.at(i));
        QCOMPARE(combo->itemData(i, Qt::UserRole), QVariant(i + 1));
    }
    QCOMPARE(combo->currentIndex(), index);
    QCOMPARE(storedSetting("current/difficulty").toString(), storedAfter);

    // The first game runs, shuffled for the stored difficulty: the empty square lies an odd or
    // even number of steps from its corner as the number of moves is.
    const int cell = gridIds(*engine(window)).indexOf(0);
    const QPoint empty(cell % 3, cell / 3);
    QCOMPARE((empty.x() + empty.y()) % 2, moves % 2);
    DialogWatcher watcher; // the move may happen to solve it
    QVERIFY(engine(window)->movePiece(empty.x() == 0 ? 1 : empty.x() - 1, empty.y()));
}

void TestPuzzleUI::selectorChangeStartsNewGame_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QVariant>("itemData"); // put on the chosen item first, when valid
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("moves");
    QTest::newRow("average") << 1 << QVariant() << 2 << 20;
    QTest::newRow("hard") << 2 << QVariant() << 3 << 50;
    QTest::newRow("the data counts, not the place") << 1 << QVariant(3) << 3 << 50;
}

void TestPuzzleUI::selectorChangeStartsNewGame()
{
    QFETCH(int, index);
    QFETCH(QVariant, itemData);
    QFETCH(int, difficulty);
    QFETCH(int, moves);

    PuzzleUI window;
    if (itemData.isValid())
        selector(window)->setItemData(index, itemData);
    QSignalSpy rebuilt(engine(window), &PuzzleFirst::BoardPictureChanged);
    QSignalSpy moved(engine(window), &PuzzleFirst::BoardChanged);
    selector(window)->setCurrentIndex(index);
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(moved.count(), moves);
    QCOMPARE(storedSetting("current/difficulty").toInt(), difficulty);
}

void TestPuzzleUI::wheelTurnsSelectorOnlyWithFocus_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("delta"); // vertical angle delta; negative turns towards the user
    QTest::addColumn<int>("difficulty"); // afterwards, from "average"
    QTest::addColumn<int>("moves");
    QTest::newRow("passing over, down") << false << -120 << 2 << 0;
    QTest::newRow("passing over, up") << false << 120 << 2 << 0;
    QTest::newRow("focused, down") << true << -120 << 3 << 50;
    QTest::newRow("focused, up") << true << 120 << 1 << 3;
}

void TestPuzzleUI::wheelTurnsSelectorOnlyWithFocus()
{
    QFETCH(bool, focused);
    QFETCH(int, delta);
    QFETCH(int, difficulty);
    QFETCH(int, moves);
    storeSetting("current/difficulty", 2);

    PuzzleUI window;
    QVERIFY(showActive(window));
    QComboBox *combo = selector(window);
    if (focused) {
        combo->setFocus(Qt::TabFocusReason);
        PLIVORA_TRY_VERIFY(combo->hasFocus(), 60000);
    }
    QVERIFY(board(window)->hasFocus() != focused);

    QSignalSpy rebuilt(engine(window), &PuzzleFirst::BoardPictureChanged);
    QSignalSpy moved(engine(window), &PuzzleFirst::BoardChanged);
    const QPoint centre = combo->rect().center();
    QWheelEvent wheel(centre, combo->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);

    QCOMPARE(combo->currentIndex(), difficulty - 1);
    QCOMPARE(storedSetting("current/difficulty").toInt(), difficulty);
    QCOMPARE(rebuilt.count(), focused ? 1 : 0);
    QCOMPARE(moved.count(), moves);
}

void TestPuzzleUI::selectorChosenByClickLeavesKeysOnBoard()
{
    PuzzleUI window;
    QVERIFY(showActive(window));
    QComboBox *combo = selector(window);
    QTest::mouseClick(combo, Qt::LeftButton);
    PLIVORA_TRY_VERIFY(combo->view()->isVisible(), 60000);
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);

    PLIVORA_TRY_VERIFY(!combo->view()->isVisible(), 60000);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(storedSetting("current/difficulty").toInt(), 2);
    PLIVORA_TRY_VERIFY(board(window)->hasFocus(), 60000);
}

void TestPuzzleUI::timeDisplay()
{
    FakeClock clock;
    PuzzleUI window(nullptr, std::nullopt, clock.clock());
    QVERIFY(showActive(window));
    QCOMPARE(display(window)->intValue(), 0);

    // Whole seconds of the game, refreshed by the window's one-second timer.
    QVERIFY(window.timer.isActive());
    QCOMPARE(window.timer.interval(), 1000);
    clock.now = 2300;
    tick(window);
    QCOMPARE(display(window)->intValue(), 2);
    clock.now = 61999;
    tick(window);
    QCOMPARE(display(window)->intValue(), 61);

    engine(window)->StopGame();
    clock.now = 75000;
    tick(window);
    QCOMPARE(display(window)->intValue(), 61);
}

void TestPuzzleUI::timeDisplayOnTheRealClock()
{
    PLIVORA_SYSTEM_TEST();
    // The window's own clock and timer: the display comes to show the running seconds, however
    // long the machine takes to get there. A coarse timer may tick up to 5 % early and show 0
    // once more; a precise one shows 1 at its first tick, a second from now.
    PuzzleUI window;
    QVERIFY(showActive(window));
    window.timer.setTimerType(Qt::PreciseTimer);
    window.timer.start();
    QTRY_VERIFY_WITH_TIMEOUT(display(window)->intValue() >= 1, 60000);
    const int shown = display(window)->intValue();
    QVERIFY(shown <= engine(window)->GetElapsedTime() / 1000);
}

void TestPuzzleUI::instructionsBox()
{
    PuzzleUI window;
    QVERIFY(showActive(window));
    DialogWatcher watcher;
    QTest::mouseClick(window.instructionButton, Qt::LeftButton);
    QCOMPARE(watcher.boxes, QList<Box>({{"Instructions", InstructionsText}}));
}

void TestPuzzleUI::highscoresButton_data()
{
    QTest::addColumn<QVariantList>("stored");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QVariantList() << "HIGHSCORE\n1.  \n2.  \n3.  ";
    QTest::newRow("partial") << QVariantList {12, 30, -1} << "HIGHSCORE\n1.  12\n2.  30\n3.  ";
    QTest::newRow("full") << QVariantList {0, 10, 140} << "HIGHSCORE\n1.  0\n2.  10\n3.  140";
    QTest::newRow("corrupted") << QVariantList {"-10", "x", 5} << "HIGHSCORE\n1.  \n2.  \n3.  5";
}

void TestPuzzleUI::highscoresButton()
{
    QFETCH(QVariantList, stored);
    QFETCH(QString, text);
    for (int i = 0; i < stored.size(); ++i)
        storeSetting(QStringLiteral("highscore/%1").arg(i), stored.at(i));

    PuzzleUI window;
    QVERIFY(showActive(window));
    DialogWatcher watcher;
    QTest::mouseClick(window.highscoresButton, Qt::LeftButton);
    QCOMPARE(watcher.boxes, QList<Box>({{"Highscores", text}}));
    // Looking at the list does not stop the game.
    QVERIFY(engine(window)->moveUp() || engine(window)->moveDown());
}

void TestPuzzleUI::highscoreTextBlanksOnlyEmptyPositions_data()
{
    QTest::addColumn<QList<int>>("list");
    QTest::addColumn<QString>("text");
    QTest::newRow("-10 and -15 stay")
        << QList<int> {-10, -15, -1} << "HIGHSCORE\n1.  -10\n2.  -15\n3.  ";
    QTest::newRow("11 and 21") << QList<int> {11, 21, 1} << "HIGHSCORE\n1.  11\n2.  21\n3.  1";
    QTest::newRow("one entry") << QList<int> {7} << "HIGHSCORE\n1.  7";
}

void TestPuzzleUI::highscoreTextBlanksOnlyEmptyPositions()
{
    QFETCH(QList<int>, list);
    QFETCH(QString, text);
    PuzzleUI window;
    DialogWatcher watcher;
    window.ShowHighScores(list);
    QCOMPARE(watcher.boxes, QList<Box>({{"Highscores", text}}));
}

void TestPuzzleUI::solvedByMouseShowsFinishThenHighscores_data()
{
    // The settings folder, $0, made unwritable before the list is stored and after; mounting takes
    // root, and a row whose mount is refused is skipped.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("error"); // the system's reason for the failed save, or none
    QTest::newRow("writable") << ""
                              << "" << 0;
    QTest::newRow("full file system")
        << "mkdir -p \"$0\" && mount -t tmpfs -o size=64k tmpfs \"$0\""
        << "dd if=/dev/zero of=\"$0/fill\" 2>/dev/null; :" << ENOSPC;
    QTest::newRow("read-only folder")
        << ""
        << "mount --bind \"$0\" \"$0\" && mount -o remount,bind,ro \"$0\"" << EROFS;
    QTest::newRow("a file in its place") << ""
                                         << "rm -r \"$0\" && touch \"$0\"" << ENOTDIR;
    QTest::newRow("a folder in the file's place")
        << ""
        << "rm \"$0/Plivora.conf\" && mkdir \"$0/Plivora.conf\"" << EISDIR;
}

void TestPuzzleUI::solvedByMouseShowsFinishThenHighscores()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, error);
    const QString file =
        QSettings(PuzzleFirst::ORGANISATION_NAME, PuzzleFirst::APPLICATION_NAME).fileName();
    const auto shell = [folder = QFileInfo(file).path()](const QString &command) {
        return command.isEmpty() || QProcess::execute("sh", {"-c", command, folder}) == 0;
    };
    const auto restore =
        qScopeGuard([&] { shell("rm -rf \"$0/Plivora.conf\"; umount -l \"$0\" || rm -f \"$0\""); });
    if (!shell(before))
        QSKIP("the system refused the mount");
    storeSetting("highscore/0", 5);
    if (!shell(after))
        QSKIP("the system refused the mount");
    FakeClock clock; // however long the solve takes, it scores ahead of the stored 5
    PuzzleUI window(nullptr, std::nullopt, clock.clock());
    QVERIFY(showActive(window));
    DialogWatcher watcher;
    solveByMouse(*board(window), *engine(window));
    // Said once a run, and the choice holds all the same.
    selector(window)->setCurrentIndex(1);
    selector(window)->setCurrentIndex(2);
    QCOMPARE(engine(window)->GetDifficulty(), PuzzleFirst::HARD);

    QCOMPARE(watcher.boxes.size(), error ? 3 : 2);
    QCOMPARE(watcher.boxes.at(0).text, FinishText);
    QVERIFY(watcher.boxes.at(0).title.isEmpty() || watcher.boxes.at(0).title == "Plivora"
        || watcher.boxes.at(0).title == QCoreApplication::applicationName());
    const int seconds = engine(window)->GetElapsedTime() / 1000;
    if (!error) {
        QCOMPARE(watcher.boxes.at(1),
            Box({"Highscores", QStringLiteral("HIGHSCORE\n1.  %1\n2.  5\n3.  ").arg(seconds)}));
        return;
    }
    // The list as the file holds it, then why it holds no more.
    const QString why = QStringLiteral("could not be saved in %1: %2.")
                            .arg(file, QString::fromLocal8Bit(std::strerror(error)));
    // A file that cannot be read holds no list.
    const QString list =
        error == ENOTDIR || error == EISDIR ? "1.  \n2.  \n3.  " : "1.  5\n2.  \n3.  ";
    QCOMPARE(watcher.boxes.at(1),
        Box({"Highscores", "HIGHSCORE\n" + list + "\n\nThe best times " + why}));
    QCOMPARE(watcher.boxes.at(2).text, "The difficulty " + why);
}

void TestPuzzleUI::killedBehindTheFinishBoxKeepsTheTime()
{
    PLIVORA_SYSTEM_TEST();
    QProcess game;
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(testPlayer(), {QStringLiteral("window")});
    const auto line = [&game] {
        while (!game.canReadLine() && game.waitForReadyRead(60000)) { }
        return QString::fromUtf8(game.readLine().trimmed());
    };
    QCOMPARE(line(), "ready");
    game.write("solve 7000\n");
    QCOMPARE(line(), "box " + FinishText);
    game.kill();
    QVERIFY(game.waitForFinished(60000));
    QCOMPARE(storedSetting("highscore/0").toString(), "7");
}

void TestPuzzleUI::arrowKeysPlayOnTheBoard()
{
    storeSetting("current/difficulty", 0); // a running game on the goal order, never solved below
    PuzzleUI window;
    QVERIFY(showActive(window));
    QVERIFY(board(window)->hasFocus());

    // Clicking a button leaves the keyboard on the board.
    QTest::mouseClick(window.newgameButton, Qt::LeftButton);
    QVERIFY(board(window)->hasFocus());

    // Each arrow slides the tile beyond the empty square in its direction, towards it.
    const struct
    {
        Qt::Key key;
        QPoint tileFromEmpty;
    } arrows[] = {{Qt::Key_Right, {-1, 0}}, {Qt::Key_Down, {0, -1}}, {Qt::Key_Left, {1, 0}},
        {Qt::Key_Up, {0, 1}}, {Qt::Key_Right, {-1, 0}}, {Qt::Key_Down, {0, -1}},
        {Qt::Key_Up, {0, 1}}, {Qt::Key_Left, {1, 0}}};
    for (const auto &arrow : arrows) {
        QList<int> expected = gridIds(*engine(window));
        const int empty = expected.indexOf(0);
        const QPoint tile = QPoint(empty % 3, empty / 3) + arrow.tileFromEmpty;
        if (tile.x() >= 0 && tile.x() < 3 && tile.y() >= 0 && tile.y() < 3)
            expected.swapItemsAt(empty, tile.x() + 3 * tile.y());
        QTest::keyClick(board(window), arrow.key);
        QCOMPARE(gridIds(*engine(window)), expected);
    }
}

void TestPuzzleUI::arrowKeysPlayWhicheverControlHasTheFocus_data()
{
    QTest::addColumn<QString>("control"); // given the focus by Tab
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("listOpen"); // afterwards
    // On the goal order, with the empty square top-left, Left and Up slide a tile, Down none.
    QTest::newRow("button, left") << "new game" << QList<int> {Qt::Key_Left} << true << false;
    QTest::newRow("button, up") << "exit" << QList<int> {Qt::Key_Up} << true << false;
    QTest::newRow("selector, up") << "selector" << QList<int> {Qt::Key_Up} << true << false;
    QTest::newRow("selector, down") << "selector" << QList<int> {Qt::Key_Down} << false << false;
    QTest::newRow("selector, end") << "selector" << QList<int> {Qt::Key_End} << false << false;
    QTest::newRow("selector, letter") << "selector" << QList<int> {Qt::Key_H} << false << false;
    QTest::newRow("open list, down")
        << "selector" << QList<int> {Qt::Key_F4, Qt::Key_Down} << false << true;
    QTest::newRow("opened by space, down")
        << "selector" << QList<int> {Qt::Key_Space, Qt::Key_Down} << false << true;
}

void TestPuzzleUI::arrowKeysPlayWhicheverControlHasTheFocus()
{
    QFETCH(QString, control);
    QFETCH(QList<int>, keys);
    QFETCH(bool, moved);
    QFETCH(bool, listOpen);
    storeSetting("current/difficulty", 0); // the goal order, no item of the selector chosen
    PuzzleUI window;
    QVERIFY(showActive(window));
    QComboBox *combo = selector(window);
    QWidget *target = QHash<QString, QWidget *> {{"new game", window.newgameButton},
        {"exit", window.exitButton},
        {"selector",
            combo}}.value(control);
    // The keys go to the window, which hands them on as the window system's would.
    QWindow *handle = window.windowHandle();
    for (int i = 0; i < 10 && !target->hasFocus(); ++i)
        QTest::keyClick(handle, Qt::Key_Tab);
    QVERIFY(target->hasFocus());

    const QList<int> before = gridIds(*engine(window));
    for (int key : keys)
        QTest::keyClick(handle, Qt::Key(key));
    QCOMPARE(gridIds(*engine(window)) != before, moved);
    QCOMPARE(combo->view()->isVisible(), listOpen);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(storedSetting("current/difficulty").toInt(), 0);
    if (!listOpen)
        return;

    // The list opened on its first item, the arrow took it to the second, which Return chooses.
    QTest::keyClick(handle, Qt::Key_Return);
    PLIVORA_TRY_VERIFY(!combo->view()->isVisible(), 60000);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(storedSetting("current/difficulty").toInt(), 2);
}

void TestPuzzleUI::mnemonicsKeepWorking()
{
    PuzzleUI window;
    QVERIFY(showActive(window));
    QSignalSpy rebuilt(engine(window), &PuzzleFirst::BoardPictureChanged);
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    PLIVORA_TRY_COMPARE(rebuilt.count(), 1, 60000);

    DialogWatcher watcher;
    QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
    PLIVORA_TRY_COMPARE(watcher.boxes, QList<Box>({{"Instructions", InstructionsText}}), 60000);
}

void TestPuzzleUI::inputsReachTheEngine()
{
    storeSetting("current/difficulty", 0); // the goal order, empty square top-left
    PuzzleUI window;
    PuzzleFirst *game = engine(window);

    emit tilt(window)->MoveDown(); // empty square down: the tile below it goes up
    QCOMPARE(gridIds(*game), QList<int>({3, 1, 2, 0, 4, 5, 6, 7, 8}));
    emit tilt(window)->MoveRight();
    QCOMPARE(gridIds(*game), QList<int>({3, 1, 2, 4, 0, 5, 6, 7, 8}));
    emit tilt(window)->MoveUp();
    QCOMPARE(gridIds(*game), QList<int>({3, 0, 2, 4, 1, 5, 6, 7, 8}));
    emit tilt(window)->MoveLeft();
    QCOMPARE(gridIds(*game), QList<int>({0, 3, 2, 4, 1, 5, 6, 7, 8}));
}

void TestPuzzleUI::tiltOnlyInFront_data()
{
    QTest::addColumn<QString>("front");
    QTest::addColumn<qint64>("tiltAt"); // on the window's clock, made active at 0
    QTest::addColumn<bool>("moves");

    QTest::newRow("window active") << "window" << qint64(1000) << true;
    QTest::newRow("no window active") << "none" << qint64(5000) << false;
    QTest::newRow("own message box active") << "box" << qint64(5000) << true;
    QTest::newRow("back at 5000: first second") << "back" << qint64(5999) << false;
    QTest::newRow("back at 5000: after") << "back" << qint64(6000) << true;
}

void TestPuzzleUI::tiltOnlyInFront()
{
    QFETCH(QString, front);
    QFETCH(qint64, tiltAt);
    QFETCH(bool, moves);
    sensors.registerRotation(true);
    storeSetting("current/difficulty", 0);
    FakeClock clock;
    PuzzleUI window(nullptr, std::nullopt, clock.clock());
    QVERIFY(showActive(window));
    PLIVORA_TRY_VERIFY(TestSensors::rotationStarted(), 60000);

    // The window system takes the activation away from all the game's windows, and gives it back.
    if (front == "none" || front == "back") {
        QWindowSystemInterface::handleWindowActivated(nullptr);
        QCoreApplication::processEvents();
        QVERIFY(!TestSensors::rotationStarted());
    }
    if (front == "back") {
        clock.now = 5000;
        QWindowSystemInterface::handleWindowActivated(window.windowHandle());
        QCoreApplication::processEvents();
    }
    const auto tilt = [&] {
        clock.now = tiltAt;
        TestSensors::pushRotation(-30, 0); // x below -15: the empty square travels down
    };
    if (front == "box") {
        // Behind the game's own box, tilt plays on.
        QTimer::singleShot(0, &window, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box && QTest::qWaitForWindowActive(box));
            tilt();
            box->close();
        });
        QTest::mouseClick(window.instructionButton, Qt::LeftButton);
    } else {
        tilt();
    }
    const QList<int> down {3, 1, 2, 0, 4, 5, 6, 7, 8};
    QCOMPARE(gridIds(*engine(window)) == down, moves);
}

void TestPuzzleUI::loadImage_data()
{
    QTest::addColumn<bool>("choose");
    QTest::addColumn<bool>("pictures");
    QTest::newRow("a picture chosen") << true << true;
    QTest::newRow("cancelled") << false << false;
}

void TestPuzzleUI::loadImage()
{
    QFETCH(bool, choose);
    QFETCH(bool, pictures);
    const QString picture = workDir.filePath("chosen.png");
    QVERIFY(writeRegionPicture(picture, QSize(200, 200)));

    PuzzleUI window;
    QVERIFY(showActive(window));
    DialogWatcher watcher;
    QString caption;
    QString directory;
    watcher.onDialog = [&](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files)
            return;
        caption = files->windowTitle();
        directory = files->directory().absolutePath();
        if (choose) {
            // Typed into the file name box and confirmed, as a player would.
            auto *name = files->findChild<QLineEdit *>("fileNameEdit");
            QVERIFY(name);
            name->setText(picture);
            QTest::keyClick(name, Qt::Key_Return);
        } else {
            QTest::keyClick(files, Qt::Key_Escape);
        }
    };
    QSignalSpy rebuilt(engine(window), &PuzzleFirst::BoardPictureChanged);
    QTest::mouseClick(window.loadImageButton, Qt::LeftButton);

    QCOMPARE(caption, QString("Open File"));
    QCOMPARE(directory, QDir::currentPath());
    QCOMPARE(rebuilt.count(), 1);
    QGraphicsItem *tile = engine(window)->getPieceAt(1, 1)->getItem();
    QCOMPARE(
        tile->type(), pictures ? int(QGraphicsPixmapItem::Type) : int(QGraphicsItemGroup::Type));
}

void TestPuzzleUI::pictureGivenAtStart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("picture") << "picture";
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("missing") << "missing";
}

void TestPuzzleUI::pictureGivenAtStart()
{
    // The working directory's default.png is a picture too: the one given must win over it.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("given");
    const QColor colour(12, 200, 34);
    if (kind == "picture") {
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path, "PNG"));
    } else if (kind == "fifo") {
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    }

    Watchdog watchdog(60000, "a picture given at start");
    PuzzleUI window(nullptr, path);
    QSignalSpy rebuilt(engine(window), &PuzzleFirst::BoardPictureChanged);
    const QString expected = kind == "picture"
        ? "picture" + QString(" " + colour.name()).repeated(9)
        : QStringLiteral("numbers");
    QCOMPARE(describeTiles(*engine(window)), expected);
    // The first game runs on it: easy shuffles by 3 moves, never back to the goal order.
    QVERIFY(gridIds(*engine(window)) != QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));

    // Later games go on with it.
    QTest::mouseClick(window.newgameButton, Qt::LeftButton);
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(describeTiles(*engine(window)), expected);
}

void TestPuzzleUI::closingEndsTheProgram_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("exit button") << true;
    QTest::newRow("window frame") << false;
}

void TestPuzzleUI::closingEndsTheProgram()
{
    // As the program runs: the window in the application's event loop until it is closed.
    QFETCH(bool, byButton);
    auto *window = new PuzzleUI;
    window->showMaximized();
    QTimer::singleShot(0, window, [&] {
        if (byButton)
            QTest::mouseClick(window->exitButton, Qt::LeftButton);
        else
            window->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    watchdog.start(20000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
    delete window;
    QCOMPARE(storedSetting("current/difficulty").toInt(), 1);
}

void TestPuzzleUI::tilesFollowTheScreen()
{
    // One screen, or as many as the run is set up with, of different pixel ratios.
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), qMax(1, qEnvironmentVariableIntValue("PLIVORA_TEST_SCREENS")));

    PuzzleUI window;
    QVERIFY(showActive(window));
    const QSize boardMinimum = board(window)->minimumSize();

    // To each screen in turn and back to the first; each next game is cut for the screen.
    for (QScreen *screen : screens + QList<QScreen *> {screens.first()}) {
        window.move(screen->availableGeometry().topLeft());
        PLIVORA_TRY_COMPARE(window.screen(), screen, 60000);
        QTest::mouseClick(window.newgameButton, Qt::LeftButton);

        const int pixels = qRound(50 * screen->devicePixelRatio());
        for (int i = 0; i < 9; ++i) {
            auto *tile = qgraphicsitem_cast<QGraphicsPixmapItem *>(
                engine(window)->getPieceAt(i % 3, i / 3)->getItem());
            QVERIFY(tile);
            QCOMPARE(tile->pixmap().size(), QSize(pixels, pixels));
            QCOMPARE(tile->boundingRect(), QRectF(0, 0, 50, 50));
        }
        settle(*board(window));
        QCOMPARE(sceneTiles(*board(window)).first()->scene()->itemsBoundingRect(),
            QRectF(0, 0, 150, 150));
        QCOMPARE(board(window)->minimumSize(), boardMinimum);
    }
}

void TestPuzzleUI::fitsAPhone()
{
    PuzzleUI window;
    window.resize(360, 640);
    QVERIFY(showActive(window));
    // A window is never made smaller than its minimum size.
    QCOMPARE(window.size(), QSize(360, 640));

    // Everything shows whole: the board without scrolling, every control inside the window.
    Board *view = board(window);
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    QVERIFY(!view->verticalScrollBar()->isVisible());
    QVERIFY(view->viewport()->rect().contains(
        view->mapFromScene(QRectF(0, 0, 150, 150)).boundingRect()));
    for (QWidget *widget : std::initializer_list<QWidget *> {view, display(window),
             window.newgameButton, window.highscoresButton, selector(window),
             window.loadImageButton, window.instructionButton, window.exitButton}) {
        QVERIFY(widget->isVisible());
        QVERIFY(
            window.rect().contains(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())));
        QVERIFY(widget->width() >= widget->minimumSizeHint().width());
    }
}

void TestPuzzleUI::touchTapPressesAButton()
{
    PuzzleUI window;
    QVERIFY(showActive(window));
    QSignalSpy rebuilt(engine(window), &PuzzleFirst::BoardPictureChanged);

    const QPoint centre = window.newgameButton->rect().center();
    QTest::touchEvent(&window, touchScreen()).press(0, centre, window.newgameButton);
    QTest::touchEvent(&window, touchScreen()).release(0, centre, window.newgameButton);
    QCOMPARE(rebuilt.count(), 1);
}

PLIVORA_TEST_MAIN(TestPuzzleUI)
#include "tst_puzzleui.moc"
