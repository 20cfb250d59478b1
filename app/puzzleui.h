// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PUZZLEUI_H
#define PUZZLEUI_H

#include "clock.h"
#include "settingsfile.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <optional>

class Board;
class Input;
class PuzzleFirst;
class QComboBox;
class QLCDNumber;
class QPushButton;

// The game's window: the board view on the left, a column with the time display and the
// controls on the right. It is the one place where the engine, the board view and the inputs are
// connected.
class PuzzleUI : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and starts the first game: with the default picture, or with the
    // picture file given, taken as "Load image" takes one. The game clock and the tilt input's
    // repeat pause run on clock; by default each on a monotonic stopwatch of its own.
    explicit PuzzleUI(QWidget *parent = nullptr, std::optional<QString> picture = std::nullopt,
        Clock clock = Clock());
    ~PuzzleUI() override;

public slots:
    void newgameButtonClicked();
    void ExitButtonClicked();
    void highscoresButtonClicked();
    void loadImageButtonButtonClicked();
    void instructionButtonButtonClicked();
    void NewDifficulty(int newIndex);
    void ShowPuzzleFinished();
    void ShowHighScores(QList<int> highscores);
    void updateTime();

public:
    // The high-score box; a list that could not be saved is shown with where and why.
    void showHighScores(
        const QList<int> &highscores, const std::optional<SettingsFile::Failure> &notSaved);
    // Says so in a box, the first time in a run.
    void showDifficultyNotSaved(const SettingsFile::Failure &failure);

protected:
    // Keeps the wheel off the difficulty selector while it has no keyboard focus, and the keys
    // that would step it to another item while its list is closed.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TestPuzzleUI;

    // Has the next game's tiles cut for the screen the window is on now. Asked at every new game
    // rather than told of changes, so a window moved to a denser screen, or a screen whose scale
    // changed, gets sharp tiles with its next game.
    void followScreen();
    // Names the time display for assistive technology after the seconds it shows.
    void showTimeName(int seconds);
    // The steps of building the window: its parts, their wiring, and its layout and focus.
    void createParts(const Clock &clock);
    void connectParts();
    void layOut();

    PuzzleFirst *engine;
    Board *board;
    QPushButton *newgameButton;
    QPushButton *highscoresButton;
    QPushButton *exitButton;
    QPushButton *instructionButton;
    QComboBox *difficulty;
    QPushButton *loadImageButton;
    QLCDNumber *timeDisplay;
    QTimer timer;
    Input *rotInput;
    Input *keyInput;
    bool difficultyNotSavedShown = false;
};

#endif // PUZZLEUI_H
