// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsformat.h"

#include <QByteArrayView>

#include <algorithm>

namespace {

const QByteArray GeneralSection = QByteArrayLiteral("General");
const QByteArray ByteOrderMark = QByteArrayLiteral("\xef\xbb\xbf");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

QByteArray keyPath(QByteArrayView text)
{
    QByteArray path = text.toByteArray();
    path.replace('\\', '/');
    return path;
}

// A section's name as keys carry it: none for the general section.
QByteArray sectionPath(QByteArrayView name)
{
    return name.isEmpty() || name.compare(GeneralSection, Qt::CaseInsensitive) == 0 ? QByteArray()
                                                                                    : keyPath(name);
}

} // namespace

SettingsFormat::SettingsFormat(const QByteArray &text) : bytes(text)
{
    parse();
}

void SettingsFormat::parse()
{
    values.clear();
    sectionEnds.clear();

    QByteArray section;
    qsizetype lineStart = bytes.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    // Keys before the first section belong to the general one, which starts there.
    sectionEnds.insert(section, lineStart);
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < bytes.size() && !isLineEnd(bytes.at(lineEnd)))
            ++lineEnd;
        qsizetype next = lineEnd;
        if (next < bytes.size())
            next += bytes.at(next) == '\r' && next + 1 < bytes.size() && bytes.at(next + 1) == '\n'
                ? 2
                : 1;
        const QByteArrayView line =
            trimmedBlanks(QByteArrayView(bytes).sliced(lineStart, lineEnd - lineStart));
        lineStart = next;

        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            qsizetype close = line.indexOf(']');
            if (close < 0)
                close = line.size();
            section = sectionPath(trimmedBlanks(line.sliced(1, close - 1)));
            sectionEnds.insert(section, next);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArrayView key = trimmedBlanks(line.first(equals));
        if (key.isEmpty())
            continue;
        const QByteArrayView value = trimmedBlanks(line.sliced(equals + 1));
        const qsizetype valueBegin =
            (value.isEmpty() ? line.end() : value.data()) - bytes.constData();
        values.insert(section.isEmpty() ? keyPath(key) : section + '/' + keyPath(key),
            Span {valueBegin, valueBegin + value.size()});
        sectionEnds.insert(section, next);
    }
}

QStringList SettingsFormat::keys() const
{
    QList<std::pair<qsizetype, QByteArray>> lines;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        lines.append({it->begin, it.key()});
    std::sort(lines.begin(), lines.end());
    QStringList keys;
    for (const auto &line : std::as_const(lines))
        keys.append(QString::fromLatin1(line.second));
    return keys;
}

std::optional<QString> SettingsFormat::value(const QString &key) const
{
    const auto found = values.constFind(key.toLatin1());
    if (found == values.cend())
        return std::nullopt;
    return QString::fromLatin1(bytes.sliced(found->begin, found->end - found->begin));
}

void SettingsFormat::setValue(const QString &key, const QString &value)
{
    QString text = value;
    text.replace(u'\n', QLatin1String("\\n"));
    text.replace(u'\r', QLatin1String("\\r"));
    const QByteArray latin1 = text.toLatin1();

    const QByteArray path = key.toLatin1();
    if (const auto found = values.constFind(path); found != values.cend()) {
        bytes.replace(found->begin, found->end - found->begin, latin1);
        parse();
        return;
    }

    const qsizetype slash = path.indexOf('/');
    const QByteArray section = slash < 0 ? QByteArray() : path.first(slash);
    QByteArray name = path.sliced(slash + 1);
    name.replace('/', '\\');
    QByteArray line = name + '=' + latin1 + '\n';
    qsizetype at = sectionEnds.value(section, -1);
    if (at < 0) {
        // A new section goes at the end, after a blank line.
        at = bytes.size();
        line.prepend('[' + section + "]\n");
        if (at > 0)
            line.prepend('\n');
    }
    // The line before may end the text without a line end.
    if (at > 0 && at == bytes.size() && !isLineEnd(bytes.back()))
        line.prepend('\n');
    bytes.insert(at, line);
    parse();
}
