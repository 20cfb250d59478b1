// SPDX-License-Identifier: GPL-3.0-or-later
#include "privateplugins.h"

#include "identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void PrivatePlugins::addFolder()
{
    const QString found = folder(QCoreApplication::applicationDirPath());
    if (!found.isEmpty())
        QCoreApplication::addLibraryPath(found);
}

QString PrivatePlugins::folder(const QString &appDir)
{
    if (appDir.isEmpty())
        return {};
    for (const char *fromBin : {Identity::PLUGINS_FROM_BIN, Identity::BUILD_PLUGINS_FROM_BIN}) {
        const QString place = QDir::cleanPath(appDir + QLatin1Char('/') + QLatin1String(fromBin));
        if (QFileInfo(place).isDir())
            return place;
    }
    return {};
}
