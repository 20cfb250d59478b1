// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DEFAULTPICTURE_H
#define DEFAULTPICTURE_H

#include <QString>
#include <QStringList>

// Where the picture of the first game comes from. A "default.png" in the working directory comes
// first, so that a player can put their own there; then the copy installed with the game, found
// from the executable's own folder (so that an install tree works under any prefix and after
// being moved), then the one in the standard data folders. The game's own copy comes drawn at 1,
// 2 and 3 pixels a unit, as "default.png", "default@2x.png" and "default@3x.png" side by side.
class DefaultPicture
{
public:
    static constexpr char FILE_NAME[] = "default.png";

    // The first of those places that holds the file; the bare file name when none does, which
    // then loads as numbered tiles. Needs the application object.
    static QString locate();

    // The version of the picture located that suits a screen of the given device pixel ratio: the
    // one beside it drawn at the nearest scale at or above the ratio (else the densest below).
    // Located itself at ratio 1 and when no other version lies beside it, as beside a player's
    // own "default.png" in the working directory.
    static QString forRatio(const QString &located, qreal ratio);

private:
    // The densest version drawn.
    static const int MAX_SCALE = 3;

    // The places looked at, in order.
    static QStringList candidates();
};

#endif // DEFAULTPICTURE_H
