#include "ui/WindowCommandLine.h"

#include "VelmorantVersion.h"

#include <QCommandLineParser>

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
    if (!qtOptionsTaken || arguments.size() < 2)
        return {};
    const QString refusal = u"Fehler: Unbekanntes Argument: "_s + arguments.at(1) + u"\nAufruf: velmorant --help\n"_s;
    return {true, 2, {}, refusal.toUtf8()};
}

} // namespace WindowCommandLine
