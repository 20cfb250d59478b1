// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaultpicture.h"

#include "identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

QStringList DefaultPicture::candidates()
{
    const QString name = QLatin1String(FILE_NAME);
    QStringList places {name};
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty()) {
        places.append(QDir::cleanPath(appDir + QLatin1Char('/')
            + QLatin1String(Identity::DATA_FROM_BIN) + QLatin1Char('/') + name));
    }
    const QString dataName = QLatin1String(Identity::DATA_FOLDER) + QLatin1Char('/') + name;
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

QString DefaultPicture::forRatio(const QString &located, qreal ratio)
{
    // Written so that NaN fails the comparison and counts as 1.
    if (!(ratio > 1.0))
        return located;

    // A hair below a whole ratio still counts as that ratio.
    const int wanted = int(std::ceil(qMin(ratio, qreal(MAX_SCALE)) - 1e-6));
    QList<int> scales;
    for (int scale = wanted; scale <= MAX_SCALE; ++scale)
        scales.append(scale);
    for (int scale = wanted - 1; scale > 1; --scale)
        scales.append(scale);

    const QFileInfo info(located);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    for (int scale : scales) {
        const QString version = stem + QStringLiteral("@%1x.png").arg(scale);
        if (QFileInfo(version).isFile())
            return version;
    }
    return located;
}
