// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzleui.h"

#include "board.h"
#include "keyboardinput.h"
#include "puzzlefirst.h"
#include "rotationinput.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include <utility>

namespace {

constexpr int DisplayIntervalMilliseconds = 1000;
constexpr int LcdMinimumHeight = 48;
constexpr int BoardSlack = 2;

// Whether a key pressed on the closed difficulty selector would step it to another item, or pick
// one by its first letters, rather than open its list.
bool stepsSelector(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Down:
        return !(key.modifiers() & Qt::AltModifier);
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_Space:
        return false;
    default:
        return !key.text().isEmpty() && key.text().at(0).isPrint();
    }
}

} // namespace

PuzzleUI::PuzzleUI(QWidget *parent, std::optional<QString> picture, Clock clock)
    : QMainWindow(parent), timer(nullptr)
{
    createParts(clock);
    connectParts();
    layOut();

    if (picture) {
        followScreen();
        engine->LoadImage(*picture);
    } else {
        newgameButtonClicked();
    }
    timer.start(DisplayIntervalMilliseconds);
}

void PuzzleUI::createParts(const Clock &clock)
{
    engine = new PuzzleFirst(nullptr, clock);
    board = new Board(engine, nullptr);

    newgameButton = new QPushButton(tr("&new game"));
    highscoresButton = new QPushButton(tr("&highscores"));
    exitButton = new QPushButton(tr("&exit"));
    difficulty = new QComboBox;
    loadImageButton = new QPushButton(tr("&Load image"));
    timeDisplay = new QLCDNumber;
    instructionButton = new QPushButton(tr("&instructions"));

    // The selector is set before it is connected, so that setting it up starts no game.
    difficulty->addItem(tr("easy"), PuzzleFirst::EASY);
    difficulty->addItem(tr("average"), PuzzleFirst::AVERAGE);
    difficulty->addItem(tr("hard"), PuzzleFirst::HARD);
    difficulty->setCurrentIndex(difficulty->findData(engine->GetDifficulty()));

    // The toolkit's default outline segments are white with faint edges on this white
    // background; flat black segments, tall enough to read, show the time.
    timeDisplay->setSegmentStyle(QLCDNumber::Flat);
    timeDisplay->setMinimumHeight(LcdMinimumHeight);

    QPalette lcdpalette;
    lcdpalette.setColor(QPalette::Window, Qt::white);
    lcdpalette.setColor(QPalette::Base, Qt::black);
    timeDisplay->setPalette(lcdpalette);
    timeDisplay->setAutoFillBackground(true);

    rotInput = new RotationInput(nullptr, clock);
    keyInput = new KeyboardInput(this, nullptr);
}

void PuzzleUI::connectParts()
{
    // The board view's clicks and the inputs reach the engine's moves in their short forms,
    // without the force flag, which only a signature connection can name.
    connect(engine, &PuzzleFirst::BoardChanged, board, &Board::UpdateBoard);
    connect(board, SIGNAL(Clicked(int, int)), engine, SLOT(movePiece(int, int)));
    connect(engine, &PuzzleFirst::BoardPictureChanged, board, &Board::ReloadBoard);
    connect(engine, &PuzzleFirst::PuzzleSolved, this, &PuzzleUI::ShowPuzzleFinished);
    connect(engine, &PuzzleFirst::NewHighScore, this, &PuzzleUI::ShowHighScores);
    connect(newgameButton, &QPushButton::clicked, this, &PuzzleUI::newgameButtonClicked);
    connect(exitButton, &QPushButton::clicked, this, &PuzzleUI::ExitButtonClicked);
    connect(highscoresButton, &QPushButton::clicked, this, &PuzzleUI::highscoresButtonClicked);
    connect(difficulty, &QComboBox::currentIndexChanged, this, &PuzzleUI::NewDifficulty);
    connect(loadImageButton, &QPushButton::clicked, this, &PuzzleUI::loadImageButtonButtonClicked);
    connect(
        instructionButton, &QPushButton::clicked, this, &PuzzleUI::instructionButtonButtonClicked);
    connect(&timer, &QTimer::timeout, this, &PuzzleUI::updateTime);
    for (Input *input : {rotInput, keyInput}) {
        connect(input, SIGNAL(MoveLeft()), engine, SLOT(moveLeft()));
        connect(input, SIGNAL(MoveRight()), engine, SLOT(moveRight()));
        connect(input, SIGNAL(MoveDown()), engine, SLOT(moveDown()));
        connect(input, SIGNAL(MoveUp()), engine, SLOT(moveUp()));
    }

    // Tilt plays only the game in front: while none of its windows is active (minimised, another
    // application in front, the screen locked) the device could be in a pocket. The game's own
    // message boxes and file dialog are its windows, and keep it in front.
    auto *tilt = static_cast<RotationInput *>(rotInput); // as createParts() made it
    const auto followFront = [tilt](Qt::ApplicationState state) {
        tilt->setInFront(state == Qt::ApplicationActive);
    };
    followFront(QGuiApplication::applicationState());
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, tilt, followFront);

    difficulty->installEventFilter(this);
}

void PuzzleUI::layOut()
{
    auto *buttonLayout1 = new QVBoxLayout;
    buttonLayout1->addWidget(timeDisplay);
    buttonLayout1->addStretch(0);
    buttonLayout1->addWidget(newgameButton);
    buttonLayout1->addWidget(highscoresButton);
    buttonLayout1->addWidget(difficulty);
    buttonLayout1->addWidget(loadImageButton);
    buttonLayout1->addWidget(instructionButton);
    buttonLayout1->addWidget(exitButton);
    buttonLayout1->addStretch(0);

    // In a right-to-left language the controls stand left of the board, but the board keeps
    // its picture, its corners and its directions as they are.
    board->setLayoutDirection(Qt::LeftToRight);
    auto *mainLayout = new QHBoxLayout;
    mainLayout->addWidget(board);
    mainLayout->addLayout(buttonLayout1);

    // Room for the whole board however small the window is made, so it never needs scrolling.
    const QSize tile = board->tileSize();
    const int frame = 2 * board->frameWidth() + BoardSlack;
    board->setMinimumSize(
        PuzzleFirst::COLS * tile.width() + frame, PuzzleFirst::ROWS * tile.height() + frame);

    auto *central = new QWidget(nullptr);
    setCentralWidget(central);
    central->setLayout(mainLayout);

    // Names for assistive technology. On Linux the toolkit names a combo box after its current
    // item and tells what it is for through the label whose buddy it is; that label is never
    // shown. Elsewhere the accessible name serves.
    difficulty->setAccessibleName(tr("difficulty"));
    auto *difficultyLabel = new QLabel(tr("difficulty"), central);
    difficultyLabel->setBuddy(difficulty);
    difficultyLabel->hide();
    showTimeName(0);

    // The board view keeps the keyboard focus: the controls take it only by Tab, not when
    // clicked, and their mnemonics work without it. The arrow keys play whichever has it.
    for (QWidget *control : std::initializer_list<QWidget *> {newgameButton, highscoresButton,
             difficulty, loadImageButton, instructionButton, exitButton})
        control->setFocusPolicy(Qt::TabFocus);
    board->setFocus(Qt::OtherFocusReason);
}

PuzzleUI::~PuzzleUI()
{
    delete keyInput;
    delete rotInput;
    delete engine;
}

bool PuzzleUI::eventFilter(QObject *watched, QEvent *event)
{
    // A wheel turned while the pointer merely passes over the selector would change the
    // difficulty and drop the game in progress. Ignored, the event goes on to the parents.
    if (watched == difficulty && event->type() == QEvent::Wheel && !difficulty->hasFocus()) {
        event->ignore();
        return true;
    }
    // Nor does a key pressed on the closed selector, unasked: a difficulty is chosen from its
    // list, which F4, Alt+Down and Space open.
    if (watched == difficulty && event->type() == QEvent::KeyPress
        && stepsSelector(*static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void PuzzleUI::followScreen()
{
    engine->setDevicePixelRatio(devicePixelRatioF());
}

void PuzzleUI::newgameButtonClicked()
{
    followScreen();
    engine->ResetGame();
}

void PuzzleUI::ExitButtonClicked()
{
    close();
}

void PuzzleUI::highscoresButtonClicked()
{
    showHighScores(engine->GetHighscores(), std::nullopt);
}

void PuzzleUI::loadImageButtonButtonClicked()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Open File"), QDir::currentPath(), QString());
    followScreen();
    engine->LoadImage(fileName);
}

void PuzzleUI::instructionButtonButtonClicked()
{
    QMessageBox::information(this, tr("Instructions"),
        tr("The idea is to get puzzle in the correct order. The correct "
           "order is when empty tile is in left upper corner."));
}

void PuzzleUI::NewDifficulty(int newIndex)
{
    followScreen();
    engine->ChangeDifficulty(difficulty->itemData(newIndex, Qt::UserRole).toInt());
    if (const std::optional<SettingsFile::Failure> failure = engine->lastSaveFailure())
        showDifficultyNotSaved(*failure);
}

void PuzzleUI::ShowPuzzleFinished()
{
    QMessageBox::information(this, QString(), tr("you have finished the puzzle."));
}

// Reached from the engine's announcement of a solved game, straight after its time was stored.
void PuzzleUI::ShowHighScores(QList<int> highscores)
{
    showHighScores(highscores, engine->lastSaveFailure());
}

void PuzzleUI::showHighScores(
    const QList<int> &highscores, const std::optional<SettingsFile::Failure> &notSaved)
{
    QStringList text(QStringLiteral("HIGHSCORE"));
    for (int i = 0; i < highscores.size(); ++i) {
        // An empty position (-1) shows its number alone.
        const int seconds = highscores.at(i);
        text.append(QStringLiteral("%1.  %2").arg(
            QString::number(i + 1), seconds == -1 ? QString() : QString::number(seconds)));
    }
    if (!notSaved) {
        QMessageBox::information(this, tr("Highscores"), text.join(QLatin1Char('\n')));
        return;
    }
    text.append(QString());
    text.append(tr("The best times could not be saved in %1: %2.")
                    .arg(QDir::toNativeSeparators(notSaved->fileName), notSaved->reason));
    QMessageBox::warning(this, tr("Highscores"), text.join(QLatin1Char('\n')));
}

void PuzzleUI::showDifficultyNotSaved(const SettingsFile::Failure &failure)
{
    if (std::exchange(difficultyNotSavedShown, true))
        return;
    QMessageBox::warning(this, QString(),
        tr("The difficulty could not be saved in %1: %2.")
            .arg(QDir::toNativeSeparators(failure.fileName), failure.reason));
}

void PuzzleUI::updateTime()
{
    const int seconds = engine->GetElapsedTime() / 1000;
    timeDisplay->display(seconds);
    showTimeName(seconds);
}

void PuzzleUI::showTimeName(int seconds)
{
    const QString name = tr("time: %n seconds", nullptr, seconds);
    // Every new name is announced; an unchanged one is not set again.
    if (name != timeDisplay->accessibleName())
        timeDisplay->setAccessibleName(name);
}
