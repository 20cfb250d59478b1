// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PUZZLEFIRST_H
#define PUZZLEFIRST_H

#include "clock.h"
#include "imageloader.h"
#include "settingsfile.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class PuzzlePiece;

// The puzzle engine: the 3 x 3 grid of tiles, moves, shuffling, the game clock, the difficulty
// and the high-score list. The difficulty and the high scores live only in the settings file and
// are read from it at every use; a value that cannot be read is taken as its default, and why the
// last write of the file failed is kept for the window to say.
//
// Tile items: an item in a scene belongs to that scene (the board view's scene deletes the
// items it holds); an item in no scene, such as the empty square's, belongs to the engine.
class PuzzleFirst : public QObject
{
    Q_OBJECT

public:
    static const int ROWS = 3;
    static const int COLS = 3;
    static const int EASY = 1;
    static const int AVERAGE = 2;
    static const int HARD = 3;
    static const int DEFAULT_DIFICULTY = 1;
    static const int EASY_MOVES = 3;
    static const int AVERAGE_MOVES = 20;
    static const int HARD_MOVES = 50;
    static const int NUM_OF_HIGHSCORES = SettingsFile::HIGHSCORE_POSITIONS;

    // The names under which the settings are stored; also the application's own names.
    static constexpr char ORGANISATION_NAME[] = "Zendrakk";
    static constexpr char APPLICATION_NAME[] = "Plivora";

    // Keys of the integers a tile item carries as item data: its grid column and row, written by
    // the engine, and the scene position it slides to, written by the board view.
    static const int GRID_X_KEY = 1;
    static const int GRID_Y_KEY = 2;
    static const int TARGET_X_KEY = 3;
    static const int TARGET_Y_KEY = 4;

    // The game clock runs on clock; by default on a monotonic stopwatch of its own.
    explicit PuzzleFirst(QObject *parent = nullptr, Clock clock = Clock());
    ~PuzzleFirst() override;

    // The piece at column x, row y; null for a position outside the grid.
    PuzzlePiece *getPieceAt(int x, int y) const;

    // NUM_OF_HIGHSCORES times in whole seconds, best first, -1 for an empty position.
    QList<int> GetHighscores();
    int GetDifficulty();
    // Takes the picture for every following game and starts a new one with it.
    void LoadImage(const QString &filename);
    // The device pixel ratio of the screen the board is shown on, for the tiles of every
    // following game; a game in progress keeps its tiles. The game's own default picture is then
    // cut from its version drawn for that ratio.
    void setDevicePixelRatio(qreal ratio);
    // Milliseconds of the running game, or of the last one once it has stopped.
    int GetElapsedTime() const;
    // Why the last change of the settings file failed, a solved game's time or a chosen
    // difficulty; none after one that succeeded.
    std::optional<SettingsFile::Failure> lastSaveFailure() const { return saveFailure; }

signals:
    // A solve stores its time before it announces anything: PuzzleSolved(), then NewHighScore()
    // with the list as the settings file holds it.
    void PuzzleSolved();
    void BoardChanged();
    void NewHighScore(QList<int> highscores);
    void BoardPictureChanged();

public slots:
    // Each slides a tile into the empty square and returns whether it did. The direction is the
    // way the empty square travels. Without force, moves are refused while no game runs.
    bool moveUp(bool force = false);
    bool moveDown(bool force = false);
    bool moveLeft(bool force = false);
    bool moveRight(bool force = false);
    bool movePiece(int x, int y, bool force = false);

    void ChangeDifficulty(int newDifficulty);
    void ResetGame();
    void StartGame();
    void StopGame();

protected:
    // The empty square's grid position, or (-1, -1) when no cell holds tile 0.
    QPoint FindEmptyPiece() const;
    void ChangeModel();
    void saveStateAsGoalState();
    bool isMoveValid(int x, int y) const;
    void swap(int fromX, int fromY, int toX, int toY);
    bool isPuzzleFinished() const;
    void EndGame();
    // Makes the given number of random forced moves, none undoing the move before it and the
    // last never completing the goal order. Every call draws afresh from the system's
    // entropy-seeded generator.
    void Shuffle(int moves);

private:
    friend class TestPuzzleFirst;

    // Whether sliding the tile at the given cell into the empty square gives the goal order.
    bool wouldCompleteGoal(const QPoint &tile) const;
    int clockMilliseconds() const;
    void releasePieces(PuzzlePiece *const (&pieces)[COLS][ROWS]);

    PuzzlePiece *itemList2[COLS][ROWS] = {};
    int goalState[COLS][ROWS] = {};
    int boardWidth = COLS;
    int boardHeight = ROWS;
    bool gameRunning = false;
    QString imageName;
    bool defaultPicture = true; // imageName is where the default picture was found
    int endTime = 0;
    Clock clock;
    qint64 startTime = 0; // the clock at the last start of a game, or at construction
    ImageLoader imLoader;
    SettingsFile settings;
    std::optional<SettingsFile::Failure> saveFailure;
};

#endif // PUZZLEFIRST_H
