// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEIFPLUGIN_H
#define HEIFPLUGIN_H

#include <QImageIOPlugin>

// Reads HEIF pictures (HEIC and AVIF) for the toolkit's image readers, on libheif. Installed in
// the game's own plugin folder, so that only the game loads it; the toolkit loads the library
// only when a picture's name or content asks for it.
class HeifPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "heif.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format) const override;
};

#endif // HEIFPLUGIN_H
