// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefirst.h"

#include "defaultpicture.h"
#include "puzzlepiece.h"

#include <QGraphicsItem>
#include <QRandomGenerator>

#include <limits>
#include <utility>

PuzzleFirst::PuzzleFirst(QObject *parent, Clock clock)
    : QObject(parent),
      clock(clock ? std::move(clock) : stopwatch()),
      imLoader(nullptr),
      settings(
          SettingsFile::userFile(QLatin1String(ORGANISATION_NAME), QLatin1String(APPLICATION_NAME)))
{
    // A file that cannot be read or written leaves the default to the readings.
    const SettingsFile::Result<std::optional<int>> stored = settings.difficulty();
    if (!stored.failure && stored.value.value_or(-1) == -1)
        settings.storeDifficulty(DEFAULT_DIFICULTY);

    boardWidth = COLS;
    boardHeight = ROWS;
    gameRunning = false;
    imageName = DefaultPicture::locate();
    startTime = this->clock();

    ChangeModel();
}

PuzzleFirst::~PuzzleFirst()
{
    releasePieces(itemList2);
}

PuzzlePiece *PuzzleFirst::getPieceAt(int x, int y) const
{
    if (x < 0 || x >= COLS || y < 0 || y >= ROWS)
        return nullptr;
    return itemList2[x][y];
}

QPoint PuzzleFirst::FindEmptyPiece() const
{
    QPoint empty(-1, -1);
    for (int x = 0; x < boardWidth; ++x) {
        for (int y = 0; y < boardHeight; ++y) {
            if (itemList2[x][y]->getId() == 0)
                empty = QPoint(x, y);
        }
    }
    return empty;
}

void PuzzleFirst::ChangeModel()
{
    const QString picture = defaultPicture
        ? DefaultPicture::forRatio(imageName, imLoader.devicePixelRatio())
        : imageName;
    QList<QGraphicsItem *> items = imLoader.LoadAndSplitImage(picture, boardWidth, boardHeight);
    if (items.size() != boardWidth * boardHeight) {
        qDeleteAll(items);
        items = imLoader.GetDefault(boardWidth, boardHeight);
    }

    PuzzlePiece *previous[COLS][ROWS];
    std::copy(&itemList2[0][0], &itemList2[0][0] + COLS * ROWS, &previous[0][0]);

    for (int i = 0; i < items.size(); ++i) {
        auto *piece = new PuzzlePiece(nullptr);
        piece->SetItem(items.at(i));
        piece->setId(i);
        const int x = i % boardWidth;
        const int y = i / boardWidth;
        itemList2[x][y] = piece;
        items.at(i)->setData(GRID_X_KEY, x);
        items.at(i)->setData(GRID_Y_KEY, y);
    }
    saveStateAsGoalState();

    // Released before the announcement: the previous items still in the board view's scene are
    // the scene's, and the board view deletes them when it refills the scene.
    releasePieces(previous);
    emit BoardPictureChanged();
}

void PuzzleFirst::saveStateAsGoalState()
{
    for (int y = 0; y < boardHeight; ++y) {
        for (int x = 0; x < boardWidth; ++x)
            goalState[x][y] = itemList2[x][y]->getId();
    }
}

void PuzzleFirst::releasePieces(PuzzlePiece *const (&pieces)[COLS][ROWS])
{
    for (int x = 0; x < COLS; ++x) {
        for (int y = 0; y < ROWS; ++y) {
            PuzzlePiece *piece = pieces[x][y];
            if (!piece)
                continue;
            QGraphicsItem *item = piece->getItem();
            if (item && !item->scene())
                delete item;
            delete piece;
        }
    }
}

bool PuzzleFirst::moveUp(bool force)
{
    const QPoint empty = FindEmptyPiece();
    return movePiece(empty.x(), empty.y() - 1, force);
}

bool PuzzleFirst::moveDown(bool force)
{
    const QPoint empty = FindEmptyPiece();
    return movePiece(empty.x(), empty.y() + 1, force);
}

bool PuzzleFirst::moveLeft(bool force)
{
    const QPoint empty = FindEmptyPiece();
    return movePiece(empty.x() - 1, empty.y(), force);
}

bool PuzzleFirst::moveRight(bool force)
{
    const QPoint empty = FindEmptyPiece();
    return movePiece(empty.x() + 1, empty.y(), force);
}

bool PuzzleFirst::movePiece(int x, int y, bool force)
{
    if (!gameRunning && !force)
        return false;
    if (!isMoveValid(x, y))
        return false;

    const QPoint empty = FindEmptyPiece();
    swap(x, y, empty.x(), empty.y());
    emit BoardChanged();

    if (isPuzzleFinished())
        EndGame();
    return true;
}

bool PuzzleFirst::isMoveValid(int x, int y) const
{
    if (x < 0 || x >= boardWidth || y < 0 || y >= boardHeight)
        return false;

    const QPoint empty = FindEmptyPiece();
    return (empty.x() == x + 1 && empty.y() == y) || (empty.x() == x - 1 && empty.y() == y)
        || (empty.y() == y - 1 && empty.x() == x) || (empty.y() == y + 1 && empty.x() == x);
}

void PuzzleFirst::swap(int fromX, int fromY, int toX, int toY)
{
    std::swap(itemList2[fromX][fromY], itemList2[toX][toY]);

    QGraphicsItem *moved = itemList2[toX][toY]->getItem();
    moved->setData(GRID_X_KEY, toX);
    moved->setData(GRID_Y_KEY, toY);

    QGraphicsItem *other = itemList2[fromX][fromY]->getItem();
    other->setData(GRID_X_KEY, fromX);
    other->setData(GRID_Y_KEY, fromY);
}

bool PuzzleFirst::isPuzzleFinished() const
{
    if (!gameRunning)
        return false;
    for (int y = 0; y < boardHeight; ++y) {
        for (int x = 0; x < boardWidth; ++x) {
            if (goalState[x][y] != itemList2[x][y]->getId())
                return false;
        }
    }
    return true;
}

void PuzzleFirst::Shuffle(int moves)
{
    // Without an empty square no move can be made.
    if (FindEmptyPiece() == QPoint(-1, -1))
        return;

    // The direction moves by number, each with the way it takes the empty square; 0 and 1, 2 and
    // 3 undo each other.
    struct Direction
    {
        bool (PuzzleFirst::*move)(bool);
        QPoint step;
    };
    static const Direction directions[4] = {{&PuzzleFirst::moveLeft, {-1, 0}},
        {&PuzzleFirst::moveRight, {1, 0}}, {&PuzzleFirst::moveUp, {0, -1}},
        {&PuzzleFirst::moveDown, {0, 1}}};

    int lastMade = -1;
    for (int i = 0; i < moves; ++i) {
        const QPoint empty = FindEmptyPiece();
        const bool finalMove = i == moves - 1;
        // Undoing the move just made would waste two moves, and a game must not start solved.
        // Drawing among the directions left gives each the chance that drawing among all four
        // and refusing the others would. Every cell has at least two neighbours and at most one
        // of them completes the goal order, so the fallback without the undo rule always leaves
        // one: the loop never stalls.
        int allowed[4];
        int count = 0;
        for (bool undoRule : {true, false}) {
            for (int direction = 0; direction < 4; ++direction) {
                const QPoint target = empty + directions[direction].step;
                if (isMoveValid(target.x(), target.y())
                    && !(undoRule && lastMade != -1 && direction == (lastMade ^ 1))
                    && !(finalMove && wouldCompleteGoal(target)))
                    allowed[count++] = direction;
            }
            if (count > 0)
                break;
        }
        if (count == 0)
            return;

        const int direction = allowed[QRandomGenerator::global()->bounded(count)];
        (this->*directions[direction].move)(true);
        lastMade = direction;
    }
}

bool PuzzleFirst::wouldCompleteGoal(const QPoint &tile) const
{
    const QPoint empty = FindEmptyPiece();
    for (int y = 0; y < boardHeight; ++y) {
        for (int x = 0; x < boardWidth; ++x) {
            const QPoint cell(x, y);
            const QPoint source = cell == empty ? tile : cell == tile ? empty : cell;
            if (goalState[x][y] != itemList2[source.x()][source.y()]->getId())
                return false;
        }
    }
    return true;
}

void PuzzleFirst::ResetGame()
{
    StopGame();
    ChangeModel();

    switch (GetDifficulty()) {
    case EASY:
        Shuffle(EASY_MOVES);
        break;
    case AVERAGE:
        Shuffle(AVERAGE_MOVES);
        break;
    case HARD:
        Shuffle(HARD_MOVES);
        break;
    default:
        break;
    }

    StartGame();
}

void PuzzleFirst::ChangeDifficulty(int newDifficulty)
{
    saveFailure = settings.storeDifficulty(newDifficulty);
    ResetGame();
}

int PuzzleFirst::GetDifficulty()
{
    if (const std::optional<int> stored = settings.difficulty().value)
        return *stored;
    return DEFAULT_DIFICULTY;
}

void PuzzleFirst::LoadImage(const QString &filename)
{
    imageName = filename;
    defaultPicture = false;
    ResetGame();
}

void PuzzleFirst::setDevicePixelRatio(qreal ratio)
{
    imLoader.setDevicePixelRatio(ratio);
}

void PuzzleFirst::StartGame()
{
    gameRunning = true;
    startTime = clock();
}

void PuzzleFirst::StopGame()
{
    gameRunning = false;
    endTime = clockMilliseconds();
}

int PuzzleFirst::GetElapsedTime() const
{
    return gameRunning ? clockMilliseconds() : endTime;
}

QList<int> PuzzleFirst::GetHighscores()
{
    return settings.highscores().value;
}

void PuzzleFirst::EndGame()
{
    const int score = clockMilliseconds() / 1000;
    StopGame();

    // Stored before anything is shown, so that the time survives the game being killed behind a
    // box; the list is read again once the finish box is closed, with the times any other game
    // has scored meanwhile.
    saveFailure = settings.recordTime(score).failure;
    emit PuzzleSolved();
    emit NewHighScore(GetHighscores());
}

int PuzzleFirst::clockMilliseconds() const
{
    return int(qMin<qint64>(clock() - startTime, std::numeric_limits<int>::max()));
}
