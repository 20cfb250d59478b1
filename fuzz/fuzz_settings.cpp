// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as another program, an older version or a full disk may have left it: the
// engine starts on it and a game is played to its end. The high-score list always has three
// entries, each -1 or a time >= 0; the stored difficulty reads as a number; and the file the
// engine writes back reads again the same.
#include "fuzzsupport.h"
#include "puzzlefirst.h"
#include "puzzlepiece.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QPoint>

#include <cstddef>
#include <cstdint>

namespace {

QString settingsPath()
{
    return SettingsFile::userFile(QLatin1String(PuzzleFirst::ORGANISATION_NAME),
        QLatin1String(PuzzleFirst::APPLICATION_NAME));
}

QPoint emptySquare(const PuzzleFirst &engine)
{
    for (int y = 0; y < PuzzleFirst::ROWS; ++y) {
        for (int x = 0; x < PuzzleFirst::COLS; ++x) {
            if (engine.getPieceAt(x, y)->getId() == 0)
                return QPoint(x, y);
        }
    }
    FuzzSupport::fail("no empty square");
}

// Starts a game and solves it by taking the shuffle's moves back, last first; a game that starts
// unshuffled is solved by a move and its reverse.
void playToTheEnd(PuzzleFirst &engine)
{
    QList<QPoint> empties {QPoint(0, 0)};
    const QMetaObject::Connection recording = QObject::connect(
        &engine, &PuzzleFirst::BoardChanged, [&] { empties.append(emptySquare(engine)); });
    engine.ResetGame();
    QObject::disconnect(recording);

    int solved = 0;
    int announced = 0;
    QObject::connect(&engine, &PuzzleFirst::PuzzleSolved, [&] { ++solved; });
    QObject::connect(&engine, &PuzzleFirst::NewHighScore, [&] { ++announced; });
    if (empties.size() == 1) {
        engine.movePiece(1, 0);
        engine.movePiece(0, 0);
    } else {
        for (int i = empties.size() - 2; i >= 0; --i)
            engine.movePiece(empties.at(i).x(), empties.at(i).y());
    }
    if (solved != 1 || announced != 1)
        FuzzSupport::fail("the game did not end exactly once");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    FuzzSupport::startApplication((*argv)[0]);
    QDir().mkpath(QFileInfo(settingsPath()).path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = settingsPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the settings file");
    }
    QList<int> highscores;
    int difficulty = 0;
    {
        PuzzleFirst engine;
        playToTheEnd(engine);
        highscores = engine.GetHighscores();
        difficulty = engine.GetDifficulty();
    }
    if (highscores.size() != PuzzleFirst::NUM_OF_HIGHSCORES)
        FuzzSupport::fail("the high-score list does not have three entries");
    for (int seconds : std::as_const(highscores)) {
        if (seconds < -1)
            FuzzSupport::fail("a high score is neither -1 nor a time");
    }

    const SettingsFile::Result<SettingsFormat> written = SettingsFile(path).read();
    if (written.failure)
        FuzzSupport::fail("the settings file written does not read");
    if (!written.value.value(QStringLiteral("current/difficulty"))
        || written.value.value(QStringLiteral("current/difficulty"))->toInt() != difficulty)
        FuzzSupport::fail("the stored difficulty does not read as the engine's");

    PuzzleFirst again;
    if (again.GetHighscores() != highscores || again.GetDifficulty() != difficulty)
        FuzzSupport::fail("the settings file does not read again the same");
    return 0;
}
