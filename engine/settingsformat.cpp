// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsformat.h"

#include <QByteArrayView>
#include <QHash>

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

// Whether the key line of the given section and name holds key.
bool isKey(QByteArrayView key, const QByteArray &section, QByteArrayView name)
{
    if (!section.isEmpty()) {
        if (key.size() <= section.size() || !key.startsWith(section)
            || key.at(section.size()) != '/')
            return false;
        key = key.sliced(section.size() + 1);
    }
    if (key.size() != name.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if ((name.at(i) == '\\' ? '/' : name.at(i)) != key.at(i))
            return false;
    }
    return true;
}

} // namespace

template<typename Visit>
void SettingsFormat::scan(Visit visit) const
{
    QByteArray section;
    qsizetype lineStart = bytes.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
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
            visit(section, QByteArrayView(), Span {}, next);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArrayView name = trimmedBlanks(line.first(equals));
        if (name.isEmpty())
            continue;
        const QByteArrayView value = trimmedBlanks(line.sliced(equals + 1));
        const qsizetype begin = (value.isEmpty() ? line.end() : value.data()) - bytes.constData();
        visit(section, name, Span {begin, begin + value.size()}, next);
    }
}

SettingsFormat::Place SettingsFormat::find(const QByteArray &key) const
{
    const qsizetype slash = key.indexOf('/');
    const QByteArrayView keySection = QByteArrayView(key).first(qMax(slash, qsizetype(0)));
    Place place;
    // Keys before the first section belong to the general one, which starts there.
    if (slash < 0)
        place.sectionEnd = bytes.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    scan([&](const QByteArray &section, QByteArrayView name, Span value, qsizetype next) {
        if (section == keySection)
            place.sectionEnd = next;
        if (!name.isEmpty() && isKey(key, section, name))
            place.value = value;
    });
    return place;
}

QStringList SettingsFormat::keys() const
{
    QHash<QByteArray, qsizetype> lines;
    scan([&](const QByteArray &section, QByteArrayView name, Span value, qsizetype) {
        if (!name.isEmpty())
            lines.insert(
                section.isEmpty() ? keyPath(name) : section + '/' + keyPath(name), value.begin);
    });
    QList<std::pair<qsizetype, QByteArray>> ordered;
    for (auto it = lines.cbegin(); it != lines.cend(); ++it)
        ordered.append({it.value(), it.key()});
    std::sort(ordered.begin(), ordered.end());
    QStringList keys;
    for (const auto &line : std::as_const(ordered))
        keys.append(QString::fromLatin1(line.second));
    return keys;
}

std::optional<QString> SettingsFormat::value(const QString &key) const
{
    const std::optional<Span> found = find(key.toLatin1()).value;
    if (!found)
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
    const Place place = find(path);
    if (place.value) {
        bytes.replace(place.value->begin, place.value->end - place.value->begin, latin1);
        return;
    }

    const qsizetype slash = path.indexOf('/');
    QByteArray name = path.sliced(slash + 1);
    name.replace('/', '\\');
    QByteArray line = name + '=' + latin1 + '\n';
    qsizetype at = place.sectionEnd;
    if (at < 0) {
        // A new section goes at the end, after a blank line.
        at = bytes.size();
        line.prepend('[' + path.first(slash) + "]\n");
        if (at > 0)
            line.prepend('\n');
    }
    // The line before may end the text without a line end.
    if (at > 0 && at == bytes.size() && !isLineEnd(bytes.back()))
        line.prepend('\n');
    bytes.insert(at, line);
}
