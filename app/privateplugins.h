// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PRIVATEPLUGINS_H
#define PRIVATEPLUGINS_H

#include <QString>

// The game's own plugins (image formats the toolkit lacks), kept out of the toolkit's folders so
// that no other program loads them: installed in a folder found from the executable's own, so
// that an install tree works under any prefix and after being moved, and in the build tree beside
// the game.
class PrivatePlugins
{
public:
    // Adds the folder to the toolkit's library paths, where it exists. Only the folder's list of
    // plugins is read then; a plugin's library is loaded when a picture asks for it. Needs the
    // application object.
    static void addFolder();

    // The folder for an executable in appDir: the installed one, else the build tree's; empty when
    // neither exists.
    static QString folder(const QString &appDir);
};

#endif // PRIVATEPLUGINS_H
