// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifplugin.h"

#include "heifhandler.h"

QImageIOPlugin::Capabilities HeifPlugin::capabilities(
    QIODevice *device, const QByteArray &format) const
{
    // A picture at hand is judged by its content alone, whatever its name says.
    if (device && device->isOpen())
        return device->isReadable() && !HeifHandler::formatOf(device).isEmpty() ? CanRead
                                                                                : Capabilities();
    return HeifHandler::isFormatName(format) ? CanRead : Capabilities();
}

QImageIOHandler *HeifPlugin::create(QIODevice *device, const QByteArray &format) const
{
    auto *handler = new HeifHandler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}
