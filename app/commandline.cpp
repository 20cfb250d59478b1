// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "identity.h"
#include "puzzlefirst.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// The options that the application object and the X11 platform take out of the arguments
// themselves; a value name marks those that take a value.
struct ToolkitOption
{
    const char *name;
    const char *valueName;
};

const ToolkitOption ToolkitOptions[] = {
    {"platform", "name[:options]"},
    {"platformpluginpath", "path"},
    {"platformtheme", "theme"},
    {"plugin", "plugin"},
    {"qwindowgeometry", "geometry"},
    {"qwindowicon", "icon"},
    {"qwindowtitle", "title"},
    {"reverse", nullptr},
    {"session", "session"},
    {"style", "style"},
    {"stylesheet", "file"},
    {"widgetcount", nullptr},
    {"qmljsdebugger", "options"},
    {"testability", nullptr},
    {"display", "display"},
    {"geometry", "geometry"},
    {"title", "title"},
    {"icon", "icon"},
    {"name", "name"},
    {"nograb", nullptr},
    {"dograb", nullptr},
    {"sync", nullptr},
};

const char SensorsOption[] = "sensors";

void addOptions(QCommandLineParser &parser, bool showToolkitOptions)
{
    // The toolkit's options are single-dash words; "-h" and "-v" still work as words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLine::tr(
        "A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,\n"
        "with the arrow keys, or by tilting the device."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QLatin1String(SensorsOption),
        CommandLine::tr("Lists the rotation and accelerometer sensors, tells which one tilting "
                        "uses and why the others are passed over, and exits.")));
    const QString picture = CommandLine::tr("PICTURE");
    parser.addPositionalArgument(picture,
        CommandLine::tr("A picture to play with instead of the default one."),
        u'[' + picture + u']');

    for (const ToolkitOption &toolkit : ToolkitOptions) {
        QCommandLineOption option(QLatin1String(toolkit.name));
        if (toolkit.valueName)
            option.setValueName(QLatin1String(toolkit.valueName));
        option.setDescription(CommandLine::tr("Qt's own option, see the Qt documentation."));
        if (!showToolkitOptions)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString helpText(const QString &program, bool showToolkitOptions)
{
    QCommandLineParser parser;
    addOptions(parser, showToolkitOptions);
    // The parser names the program as it was called, or, without an application object, not at
    // all; the help names it by its file name.
    const QString called = QCoreApplication::instance() ? QCoreApplication::arguments().constFirst()
                                                        : QStringLiteral("<executable_name>");
    QString text = parser.helpText();
    const qsizetype at = text.indexOf(called);
    if (at >= 0 && at < text.indexOf(u'\n'))
        text.replace(at, called.size(), program);
    return text;
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    const QString program =
        arguments.isEmpty() ? QStringLiteral("plivora") : QFileInfo(arguments.first()).fileName();

    QCommandLineParser parser;
    addOptions(parser, false);
    if (!parser.parse(arguments)) {
        what = Fail;
        message =
            tr("%1: %2 Try '%1 --help' for more information.\n").arg(program, parser.errorText());
        return;
    }

    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        what = ShowText;
        message = helpText(program, parser.isSet(QStringLiteral("help-all")));
        return;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        what = ShowText;
        message = QStringLiteral("%1 %2\n").arg(
            QLatin1String(PuzzleFirst::APPLICATION_NAME), QLatin1String(Identity::VERSION));
        return;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        what = Fail;
        message = tr("%1: Too many arguments, only one PICTURE is taken. Try '%1 --help' for "
                     "more information.\n")
                      .arg(program);
        return;
    }
    if (parser.isSet(QLatin1String(SensorsOption))) {
        what = ListSensors;
        return;
    }
    if (!positional.isEmpty())
        pictureName = positional.first();
}
