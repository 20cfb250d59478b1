// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaultpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The build passes the installed data folder as seen from the folder of the installed executable,
// e.g. "../share/plivora" from bin/ or games/.
#ifndef PLIVORA_DATA_FROM_BIN
#error "the build defines PLIVORA_DATA_FROM_BIN"
#endif

QStringList DefaultPicture::candidates()
{
    const QString name = QLatin1String(FILE_NAME);
    QStringList places {name};
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty()) {
        places.append(QDir::cleanPath(appDir + QLatin1Char('/')
            + QLatin1String(PLIVORA_DATA_FROM_BIN) + QLatin1Char('/') + name));
    }
    const QString dataName = QStringLiteral("plivora/") + name;
    for (const QString &dir :
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.append(dir + QLatin1Char('/') + dataName);
    return places;
}

QString DefaultPicture::locate()
{
    for (const QString &place : candidates()) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return QLatin1String(FILE_NAME);
}
