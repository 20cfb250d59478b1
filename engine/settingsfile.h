// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include <QCoreApplication>
#include <QSettings>
#include <QString>

#include <functional>

// Changes to the settings file that neither another writer nor a crash can spoil. Under the lock
// file that the toolkit's settings store also takes for its writes ("<file>.lock"), the file is
// read as it stands, changed, and written whole through a save file, which takes the old file's
// place only once every byte of the new one is on disk: killed at any moment, the file holds the
// old values or the new ones. A lock left by a process that has died is taken over.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    // How long an update waits at most for another writer to finish, in milliseconds.
    static const int LOCK_PATIENCE = 1000;

    explicit SettingsFile(const QString &fileName, int lockPatience = LOCK_PATIENCE);

    // Reads the file (none counts as empty), lets change edit its values and writes them back.
    // Returns whether the file now holds the changed values; if not, it is left as it was.
    bool update(const std::function<void(QSettings::SettingsMap &)> &change);
    // The values the file holds after the last update: as changed, or as read when the update
    // failed (none when even the reading failed).
    const QSettings::SettingsMap &values() const { return map; }
    // Why the last update failed, in the system's words where it has them ("No space left on
    // device"); empty after a success.
    QString error() const { return reason; }

private:
    bool fail(const QString &why);

    QString name;
    int patience;
    QSettings::SettingsMap map;
    QString reason;
};

#endif // SETTINGSFILE_H
