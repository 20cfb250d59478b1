// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsformat.h"

#include <QIODevice>
#include <QString>
#include <QVariant>

namespace {

const QString GeneralSection = QStringLiteral("General");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

QString keyPath(QStringView text)
{
    QString path = text.toString();
    path.replace(u'\\', u'/');
    return path;
}

QString valueText(const QVariant &value)
{
    QString text = value.toString();
    text.replace(u'\n', QLatin1String("\\n"));
    text.replace(u'\r', QLatin1String("\\r"));
    return text;
}

} // namespace

QSettings::Format SettingsFormat::format()
{
    static const QSettings::Format registered = QSettings::registerFormat(
        QStringLiteral("conf"), &SettingsFormat::read, &SettingsFormat::write);
    return registered;
}

bool SettingsFormat::read(QIODevice &device, QSettings::SettingsMap &map)
{
    QByteArray bytes = device.readAll();
    // A byte-order mark left by an editor is not part of the first line.
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes.remove(0, 3);
    const QString text = QString::fromLatin1(bytes);

    QString section;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < text.size() && text.at(lineEnd) != u'\n' && text.at(lineEnd) != u'\r')
            ++lineEnd;
        const QStringView line =
            trimmedBlanks(QStringView(text).sliced(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;

        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            qsizetype close = line.indexOf(u']');
            if (close < 0)
                close = line.size();
            const QStringView name = trimmedBlanks(line.sliced(1, close - 1));
            section = name.isEmpty() || name.compare(GeneralSection, Qt::CaseInsensitive) == 0
                ? QString()
                : keyPath(name) + u'/';
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView key = trimmedBlanks(line.first(equals));
        if (key.isEmpty())
            continue;
        map.insert(section + keyPath(key), trimmedBlanks(line.sliced(equals + 1)).toString());
    }
    return true;
}

bool SettingsFormat::write(QIODevice &device, const QSettings::SettingsMap &map)
{
    // The map is sorted, so the keys of one section follow each other.
    QByteArray general;
    QByteArray sections;
    QString section;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        QString name = it.key().sliced(slash + 1);
        name.replace(u'/', u'\\');
        const QByteArray line = (name + u'=' + valueText(it.value()) + u'\n').toLatin1();
        if (slash < 0) {
            general += line;
            continue;
        }
        if (section.isNull() || it.key().first(slash) != section) {
            section = it.key().first(slash);
            if (!sections.isEmpty())
                sections += '\n';
            sections += (u'[' + section + QLatin1String("]\n")).toLatin1();
        }
        sections += line;
    }

    QByteArray file;
    if (!general.isEmpty())
        file = "[" + GeneralSection.toLatin1() + "]\n" + general + (sections.isEmpty() ? "" : "\n");
    file += sections;
    return device.write(file) == file.size();
}
