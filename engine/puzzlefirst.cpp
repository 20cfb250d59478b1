// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefirst.h"

#include "defaultpicture.h"
#include "puzzlepiece.h"
#include "settingsfile.h"
#include "settingsformat.h"

#include <QGraphicsItem>
#include <QRandomGenerator>
#include <QSettings>
#include <QVariant>

#include <limits>
#include <utility>

namespace {

const char DifficultyKey[] = "current/difficulty";

QString highscoreKey(int position)
{
    return QStringLiteral("highscore/%1").arg(position);
}

// Whether a stored value reads as an int: one the game itself stored, or a text that is wholly a
// decimal integer within int range. The store keeps what it reads from the file as text, and
// QVariant's own conversion of a text would wrap "99999999999" around and still report success,
// and would read any other text as 0.
bool readStoredInt(const QVariant &value, int *result)
{
    if (value.typeId() == QMetaType::Int) {
        *result = value.toInt();
        return true;
    }
    if (value.typeId() != QMetaType::QString)
        return false;
    const QString text = value.toString();
    qsizetype digits = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    if (digits == text.size())
        return false;
    for (qsizetype i = digits; i < text.size(); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return false;
    }
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (!ok)
        return false;
    *result = number;
    return true;
}

// A stored high score, -1 for an empty position or one that does not read as a time.
int highscoreFrom(const QVariant &value)
{
    int seconds = 0;
    if (!readStoredInt(value, &seconds))
        return -1;
    return seconds < 0 ? -1 : seconds;
}

} // namespace

PuzzleFirst::PuzzleFirst(QObject *parent, Clock clock)
    : QObject(parent), clock(clock ? std::move(clock) : stopwatch()), imLoader(nullptr)
{
    settings = new QSettings(SettingsFormat::format(), QSettings::UserScope,
        QLatin1String(ORGANISATION_NAME), QLatin1String(APPLICATION_NAME));
    // A store that cannot be written leaves the default to the readings' fallback.
    if (storedDifficulty(-1) == -1)
        storeDifficulty(DEFAULT_DIFICULTY);

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
    delete settings;
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

    switch (storedDifficulty(DEFAULT_DIFICULTY)) {
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
    if (const std::optional<QString> reason = storeDifficulty(newDifficulty)) {
        unsavedDifficulty = newDifficulty;
        emit DifficultyNotSaved(settings->fileName(), *reason);
    } else {
        unsavedDifficulty.reset();
    }
    ResetGame();
}

int PuzzleFirst::GetDifficulty()
{
    return storedDifficulty(DEFAULT_DIFICULTY);
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
    QList<int> highscores;
    for (int position = 0; position < NUM_OF_HIGHSCORES; ++position)
        highscores.append(storedHighscore(position));
    return highscores;
}

void PuzzleFirst::EndGame()
{
    const int score = clockMilliseconds() / 1000;
    StopGame();

    // Read, merged and written under the file's lock, so that a time another instance of the game
    // scores meanwhile is neither overwritten by a stale list nor overwrites this one; and stored
    // before anything is shown, so that the time survives the game being killed behind a box.
    SettingsFile file(settings->fileName());
    const bool saved = file.update([score](QSettings::SettingsMap &values) {
        int highscores[NUM_OF_HIGHSCORES];
        for (int position = 0; position < NUM_OF_HIGHSCORES; ++position)
            highscores[position] = highscoreFrom(values.value(highscoreKey(position)));

        // The score goes before the first longer time or into the first empty position; the rest
        // shift down and the last drops out. A tie goes after the stored time.
        bool newscore = false;
        int tempscore = -1;
        for (int position = 0; position < NUM_OF_HIGHSCORES; ++position) {
            if (newscore) {
                std::swap(highscores[position], tempscore);
            } else if (score < highscores[position] || highscores[position] == -1) {
                tempscore = highscores[position];
                highscores[position] = score;
                newscore = true;
            }
        }

        for (int position = 0; position < NUM_OF_HIGHSCORES; ++position)
            values.insert(highscoreKey(position), highscores[position]);
    });
    settings->sync();

    emit PuzzleSolved();
    if (!saved)
        emit HighScoreNotSaved(settings->fileName(), file.error());
    emit NewHighScore(GetHighscores());
}

std::optional<QString> PuzzleFirst::storeDifficulty(int difficulty)
{
    SettingsFile file(settings->fileName());
    if (!file.update([difficulty](QSettings::SettingsMap &values) {
            values.insert(QLatin1String(DifficultyKey), difficulty);
        }))
        return file.error();
    settings->sync();
    return std::nullopt;
}

int PuzzleFirst::storedDifficulty(int fallback) const
{
    if (unsavedDifficulty)
        return *unsavedDifficulty;
    int difficulty = 0;
    if (!readStoredInt(settings->value(QLatin1String(DifficultyKey)), &difficulty))
        return fallback;
    return difficulty;
}

int PuzzleFirst::storedHighscore(int position) const
{
    return highscoreFrom(settings->value(highscoreKey(position)));
}

int PuzzleFirst::clockMilliseconds() const
{
    return int(qMin<qint64>(clock() - startTime, std::numeric_limits<int>::max()));
}
