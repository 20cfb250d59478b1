// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include "settingsformat.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QSaveFile;

// The one keeper of the game's settings file: the difficulty and the best times. Every value is
// read from the file itself when it is asked for, so a change by another game or an editor counts
// at once, whatever the file system's clock. Only the game's own keys ever change; every other
// line stays as it stands.
//
// A file that cannot be read (an I/O error, no permission, a folder, pipe or device in its place,
// or one larger than SIZE_LIMIT) reads as holding nothing and is never written over. Neither a
// pipe nor a device is ever opened: nothing waits for one.
//
// Changes are made under the lock file that the toolkit's settings store also takes for its
// writes ("<file>.lock"): the file is read as it stands, changed, and written whole through a save
// file, which takes the old file's place only once every byte of the new one is on disk. Killed at
// any moment, the file holds the old values or the new ones. A lock left by a process that has
// died is taken over.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    // How long a change waits at most for another writer to finish, in milliseconds.
    static constexpr int LOCK_PATIENCE = 1000;
    // Far beyond any settings file the game writes; a larger file is not read.
    static constexpr qint64 SIZE_LIMIT = 1 << 20;
    static constexpr int HIGHSCORE_POSITIONS = 3;

    // Why the file could not be read or written: its name and the system's reason, in the
    // system's words where it has them ("No space left on device").
    struct Failure
    {
        QString fileName;
        QString reason;
    };
    // What an operation gives, with the failure that made it give its defaults, if any.
    template<typename T>
    struct Result
    {
        T value;
        std::optional<Failure> failure;
    };

    // The file in which the toolkit's settings store keeps the per-user settings of the
    // application (on Linux "~/.config/<organisation>/<application>.conf").
    static QString userFile(const QString &organisation, const QString &application);

    explicit SettingsFile(const QString &fileName, int lockPatience = LOCK_PATIENCE);
    QString fileName() const { return name; }

    // The stored difficulty: none when there is none that reads as an int, or the file cannot be
    // read. A difficulty that could not be stored counts instead for as long as the keeper lives,
    // or until another is stored.
    Result<std::optional<int>> difficulty() const;
    // HIGHSCORE_POSITIONS times in whole seconds, best first; -1 for an empty position, or one
    // that holds no time.
    Result<QList<int>> highscores() const;
    // Scores a solved game's time: it goes before the first longer time or into the first empty
    // position, a tie after the stored time; the rest shift down and the last drops out. Gives the
    // list as the file holds it now.
    Result<QList<int>> recordTime(int seconds);
    std::optional<Failure> storeDifficulty(int difficulty);

    // Lets change edit the file's text, as it stands under the lock, and writes it back. The file
    // is left as it was on any failure.
    std::optional<Failure> update(const std::function<void(SettingsFormat &)> &change);
    // The file's text as it stands, with no lock: empty when there is no file.
    Result<SettingsFormat> read() const;

private:
    Failure failure(const QString &reason) const { return {name, reason}; }
    // Why a save file for the file could not be opened.
    Failure openFailure(const QSaveFile &out) const;

    QString name;
    int patience;
    std::optional<int> unsavedDifficulty;
};

#endif // SETTINGSFILE_H
