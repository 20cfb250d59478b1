#ifndef PUZZLEUI_H
#define PUZZLEUI_H

#include "clock.h"

#include <QList>
#include <QMainWindow>
#include <QTimer>

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
    // Builds the window and starts the first game. The game clock and the tilt input's repeat
    // pause run on clock; by default each on a monotonic stopwatch of its own.
    explicit PuzzleUI(QWidget *parent = nullptr, Clock clock = Clock());
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

private:
    friend class TestPuzzleUI;

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
};

#endif // PUZZLEUI_H
