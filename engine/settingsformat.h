// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGSFORMAT_H
#define SETTINGSFORMAT_H

#include <QSettings>

class QIODevice;

// The settings file's format: the same file and the same INI syntax as the toolkit's native
// store on Unix, but every value is kept as the text it stands as in the file. The native reader
// decodes typed values ("@Variant(...)", "@DateTime(...)") through a data stream that trusts the
// counts inside them, so one damaged line, even in a section the game never reads, can make it
// ask for gigabytes when the store is written back. Here nothing is decoded: the game reads its
// numbers from the text, and whatever else the file holds is written back byte for byte.
class SettingsFormat
{
public:
    // Registered once; a store opened in it uses the native store's file, "<app>.conf".
    static QSettings::Format format();

    // Sections, "key=value" lines and ';' or '#' comments, with '\n', '\r' or "\r\n" line ends.
    // A key is its section's name, '/', and its own name with '\' read as '/'; keys of the
    // section "General" (in any case), of an empty section or before the first section have no
    // section part. A value is the text after the first '=', without the blanks around it. Lines
    // that are none of these are left out. Bytes are read as Latin-1, so that any byte survives
    // the way back. Never fails.
    static bool read(QIODevice &device, QSettings::SettingsMap &map);
    // Keys without a section go under "[General]", the others under the part before their first
    // '/'; a value is written as its text, a line break in it as "\n" or "\r".
    static bool write(QIODevice &device, const QSettings::SettingsMap &map);
};

#endif // SETTINGSFORMAT_H
