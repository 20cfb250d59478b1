// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DEFAULTPICTURE_H
#define DEFAULTPICTURE_H

#include <QString>
#include <QStringList>

// Where the picture of the first game comes from. A "default.png" in the working directory comes
// first, so that a player can put their own there; then the copy installed with the game, found
// from the executable's own folder (so that an install tree works under any prefix and after
// being moved), then the one in the standard data folders.
class DefaultPicture
{
public:
    static constexpr char FILE_NAME[] = "default.png";

    // The first of those places that holds the file; the bare file name when none does, which
    // then loads as numbered tiles. Needs the application object.
    static QString locate();

private:
    // The places looked at, in order.
    static QStringList candidates();
};

#endif // DEFAULTPICTURE_H
