// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The game's command line. It is read before the application object exists, so that asking for
// help, the version or the sensors needs no display. The toolkit's own options (-platform,
// -style, -qwindowgeometry, ...) are accepted and left for the application object to act on.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Request {
        Play, // start the game
        ShowText, // print text() on standard output and end successfully
        ListSensors, // print the sensor report and end successfully
        Fail // print text(), one line, on standard error and end with an error
    };

    // arguments: the program's own, its name first.
    explicit CommandLine(const QStringList &arguments);

    Request request() const { return what; }
    QString text() const { return message; }
    // The picture named for the first game, if any.
    std::optional<QString> picture() const { return pictureName; }

private:
    Request what = Play;
    QString message;
    std::optional<QString> pictureName;
};

#endif // COMMANDLINE_H
