// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaultpicture.h"

#include "buildinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList DefaultPicture::candidates()
{
    const QString name = QLatin1String(FILE_NAME);
    QStringList places {name};
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty()) {
        places.append(QDir::cleanPath(appDir + QLatin1Char('/')
            + QLatin1String(BuildInfo::DATA_FROM_BIN) + QLatin1Char('/') + name));
    }
    const QString dataName = QLatin1String(BuildInfo::DATA_FOLDER) + QLatin1Char('/') + name;
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
