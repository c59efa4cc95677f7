#include "ui/WindowCommandLine.h"

#include "VelmorantVersion.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace WindowCommandLine {

namespace {

const char kHelp[] = "Aufruf: velmorant [-h | --help | -v | --version]\n"
                     "\n"
                     "Öffnet das Fenster von Velmorant, das aus zwei Listen mit den alten und\n"
                     "den neuen Namen von Pro/ENGINEER-Objekten die Mapkey-Datei rename.pro\n"
                     "macht. Dasselbe ohne Fenster, für Skripte: velmorant-cli.\n"
                     "\n"
                     "  -h, --help     diese Hilfe\n"
                     "  -v, --version  die Version\n"
                     "\n"
                     "Die Optionen von Qt, etwa -platform oder -style, gelten wie in jedem\n"
                     "Qt-Programm.\n"
                     "\n"
                     "Rückgabewerte: 0 erfolgreich, 2 Aufruffehler, 3 Schreibfehler (Hilfe oder\n"
                     "Version nicht ausgegeben).\n";

// Qt's own options, which the application object takes out of the
// arguments, with "--" as well as "-" before them: those of every program,
// the widgets', and those the X11 platform takes; each between blanks.
// A value after those of the first list belongs to them.
const QLatin1StringView kQtOptionsWithValue(" platform platformpluginpath platformtheme plugin qwindowgeometry "
                                            "qwindowicon qwindowtitle session style stylesheet qmljsdebugger display "
                                            "geometry title icon name visual ");
const QLatin1StringView kQtFlags(" reverse testability widgetcount qdevel qdebug nograb dograb ");
const QLatin1StringView kQtOptionsJoined[] = {"style="_L1, "stylesheet="_L1, "qmljsdebugger="_L1};

// Where the first argument is that is none of Qt's options or their
// values; 0 when there is none. Without a display the application object
// cannot be made to take them, and Qt would end the program before it
// could say what is wrong with its command line.
qsizetype firstNotQts(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        const QString word = a.mid(a.startsWith(u"--") ? 2 : 1);
        if (!a.startsWith(u'-') || word.isEmpty() || word.contains(u' '))
            return i;
        const QString blanked = u' ' + word + u' ';
        const auto joined = [&word](QLatin1StringView option) { return word.startsWith(option); };
        if (kQtOptionsWithValue.contains(blanked))
            ++i;
        else if (!kQtFlags.contains(blanked)
                 && std::none_of(std::begin(kQtOptionsJoined), std::end(kQtOptionsJoined), joined))
            return i;
    }
    return 0;
}

} // namespace

Answer answer(const QStringList &arguments, bool qtOptionsTaken)
{
    QCommandLineParser parser;
    // "-reverse" is one of Qt's options, not -r -e -v -e ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    parser.addOptions({help, version});
    parser.parse(arguments);
    if (parser.isSet(help))
        return {true, 0, QByteArray(kHelp), {}};
    if (parser.isSet(version))
        return {true, 0, QByteArray("Velmorant " VELMORANT_VERSION "\n"), {}};
    // The window takes nothing else: neither options nor files.
    const qsizetype unknown = arguments.size() < 2 ? 0 : qtOptionsTaken ? 1 : firstNotQts(arguments);
    if (unknown == 0)
        return {};
    const QString refusal = u"Fehler: Unbekanntes Argument: "_s + arguments.at(unknown)
        + u"\nAufruf: velmorant --help\n"_s;
    return {true, 2, {}, refusal.toUtf8()};
}

} // namespace WindowCommandLine
