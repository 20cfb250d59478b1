// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGSFORMAT_H
#define SETTINGSFORMAT_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The settings file's text in the toolkit's INI syntax, as the file holds it: values are read
// from it and changed in it line by line, and every byte of every other line stays where it
// stands. Nothing is decoded: typed values ("@Variant(...)") stay text, so a damaged one can do no
// harm. Reading and each change take time linear in the text's length.
//
// The syntax: sections, "key=value" lines and ';' or '#' comments, with '\n', '\r' or "\r\n" line
// ends, and a byte-order mark before the first line. A key is its section's name, '/', and its own
// name with '\' read as '/'; keys of the section "General" (in any case), of an empty section or
// before the first section have no section part. A value is the text after the first '=',
// without the blanks around it. Other lines are kept but mean nothing. Bytes are read as Latin-1,
// so that any byte survives the way back. Of a key that stands more than once, the last counts,
// as it does for the toolkit's own reader.
class SettingsFormat
{
public:
    explicit SettingsFormat(const QByteArray &text = QByteArray()) : bytes(text) { }

    const QByteArray &text() const { return bytes; }
    // Every key the text holds, in the order of their last lines.
    QStringList keys() const;
    std::optional<QString> value(const QString &key) const;
    // Changes the value on the key's last line, or adds a line at the end of the key's section (of
    // the first part of its path), or the section at the end of the text. A line break in the
    // value is written as "\n" or "\r".
    void setValue(const QString &key, const QString &value);

private:
    struct Span
    {
        qsizetype begin;
        qsizetype end;
    };
    // Where a key's value stands, and where a line of its section could be added (-1: no
    // section of that name).
    struct Place
    {
        std::optional<Span> value;
        qsizetype sectionEnd = -1;
    };
    Place find(const QByteArray &key) const;
    // Calls visit(section, name, value, next) for every line of a key, with its section's path,
    // its name as written and the span of its value, and for every section header, with an empty
    // name; next is where the line after it starts.
    template<typename Visit>
    void scan(Visit visit) const;

    QByteArray bytes;
};

#endif // SETTINGSFORMAT_H
