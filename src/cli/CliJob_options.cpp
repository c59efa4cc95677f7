// What the command line asks for: the options, their values and the
// combinations refused, and the help that describes them.
#include "cli/CliJob.h"

#include <QRegularExpression>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Options that cannot be given together, named in this order when refused.
const std::pair<QString, QString> kExclusive[] = {
    {u"--new"_s, u"--rule"_s},         {u"--out"_s, u"--stdout"_s},
    {u"--pairs"_s, u"--old"_s},        {u"--pairs"_s, u"--new"_s},
    {u"--pairs"_s, u"--rule"_s},       {u"--check"_s, u"--out"_s},
    {u"--check"_s, u"--stdout"_s},     {u"--check"_s, u"--strict"_s},
    {u"--verify"_s, u"--out"_s},       {u"--verify"_s, u"--stdout"_s},
    {u"--verify"_s, u"--check"_s},     {u"--verify"_s, u"--strict"_s},
    {u"--verify"_s, u"--reverse"_s},   {u"--verify"_s, u"--only-open"_s},
    {u"--verify"_s, u"--only-done"_s}, {u"--only-open"_s, u"--only-done"_s},
    {u"--new"_s, u"--rules"_s},        {u"--rule"_s, u"--rules"_s},
    {u"--pairs"_s, u"--rules"_s},
};

// The long options, as the help names them: an option is known here as
// soon as it is described there.
bool isOption(const QString &argument)
{
    static const QStringList options = [] {
        QStringList found;
        static const QRegularExpression option(u"(?<![\\w-])--[a-z][a-z-]*"_s);
        for (const QRegularExpressionMatch &m : option.globalMatch(CliJob::usage()))
            found << m.captured();
        return found;
    }();
    return options.contains(argument);
}

} // namespace

// A hand parser rather than QCommandLineParser: --rule takes two values, an
// option given twice or with an empty value is refused, and every message is
// German.
bool CliJob::parse(const QStringList &arguments, const QStringList &paths)
{
    // An option where a value belongs is a value forgotten, such as the
    // replacement of --rule before --stdout: never taken as the value.
    QString optionAsValue;
    const auto fail = [this, &optionAsValue](const QString &message) {
        m_error = message + (optionAsValue.isEmpty() ? QString() : u" ("_s + optionAsValue + u" ist eine Option)"_s);
        return false;
    };
    QStringList given;
    const auto has = [&given](const QString &option) { return given.contains(option); };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        // An empty list or folder name is what a script with an unset
        // variable passes; it must not mean the root folder.
        const auto takeValue = [&](QString &target, bool mayBeEmpty = false) {
            if (i + 1 >= arguments.size() || (!mayBeEmpty && arguments.at(i + 1).isEmpty()))
                return false;
            if (isOption(arguments.at(i + 1))) {
                optionAsValue = arguments.at(i + 1);
                return false;
            }
            target = arguments.at(++i);
            return true;
        };
        const auto takePath = [&](QString &target) {
            if (!takeValue(target))
                return false;
            if (const QString path = paths.value(i); !path.isEmpty() && path != target)
                m_shownAs.insert(path, std::exchange(target, path));
            return true;
        };
        if (has(a))
            return fail(a + u" ist doppelt angegeben"_s);
        for (const auto &[first, second] : kExclusive) {
            if ((a == first && has(second)) || (a == second && has(first)))
                return fail(first + u" und "_s + second + u" schließen einander aus"_s);
        }
        given.append(a);
        if (a == u"--help" || a == u"-h") {
            m_help = true;
        } else if (a == u"--version") {
            m_version = true;
        } else if (a == u"--old") {
            if (!takePath(m_oldFile))
                return fail(u"--old braucht den Namen einer Listendatei"_s);
        } else if (a == u"--new") {
            if (!takePath(m_newFile))
                return fail(u"--new braucht den Namen einer Listendatei"_s);
        } else if (a == u"--rule") {
            if (!takeValue(m_expression, true) || !takeValue(m_replacement, true))
                return fail(u"--rule braucht einen Ausdruck und einen Ersatz"_s);
            m_useRule = true;
        } else if (a == u"--rules") {
            if (!takePath(m_rulesFile))
                return fail(u"--rules braucht den Namen einer Regeldatei"_s);
        } else if (a == u"--pairs") {
            if (!takePath(m_pairsFile))
                return fail(u"--pairs braucht den Namen einer Paardatei"_s);
        } else if (a == u"--out") {
            if (!takePath(m_outFolder))
                return fail(u"--out braucht ein Verzeichnis"_s);
        } else if (a == u"--stdout") {
            m_toStdout = true;
        } else if (a == u"--check") {
            m_checkOnly = true;
        } else if (a == u"--strict") {
            m_strict = true;
        } else if (a == u"--order") {
            m_order = true;
        } else if (a == u"--reverse") {
            m_reverse = true;
        } else if (a == u"--scan") {
            if (!takePath(m_scanFolder))
                return fail(u"--scan braucht ein Verzeichnis"_s);
        } else if (a == u"--uses") {
            if (!takePath(m_usesFolder))
                return fail(u"--uses braucht ein Verzeichnis"_s);
        } else if (a == u"--filter") {
            if (!takeValue(m_scanOptions.filter))
                return fail(u"--filter braucht ein Muster"_s);
        } else if (a == u"--types") {
            QString types;
            if (!takeValue(types))
                return fail(u"--types braucht Typen wie prt,asm,drw"_s);
            m_scanOptions.types = types.toLower().split(u',');
        } else if (a == u"--folder") {
            if (!takePath(m_checkFolder))
                return fail(u"--folder braucht ein Verzeichnis"_s);
        } else if (a == u"--add-drawings") {
            m_addDrawings = true;
        } else if (a == u"--no-users") {
            m_noUsers = true;
        } else if (a == u"--verify") {
            m_verify = true;
        } else if (a == u"--only-open") {
            m_onlyOpen = true;
        } else if (a == u"--only-done") {
            m_onlyDone = true;
        } else if (a == u"--templates") {
            if (!takePath(m_templates.file))
                return fail(u"--templates braucht den Namen einer Aufzeichnung"_s);
        } else if (a == u"--template-keys") {
            QString keys;
            const QStringList three = takeValue(keys) ? keys.split(u',') : QStringList();
            if (three.size() != 3 || three.contains(QString()))
                return fail(u"--template-keys braucht drei Mapkey-Namen: UMBENENNEN,SPEICHERN,OEFFNEN"_s);
            m_templates.renameKey = three.at(0);
            m_templates.saveKey = three.at(1);
            m_templates.openKey = three.at(2);
        } else if (a == u"--samples") {
            if (!takeValue(m_templates.oldSample) || !takeValue(m_templates.newSample))
                return fail(u"--samples braucht einen alten und einen neuen Beispielnamen"_s);
        } else if (a == u"--export-templates") {
            m_exportTemplates = true;
        } else {
            return fail(u"Unbekanntes Argument: "_s + a);
        }
    }
    if (m_help || m_version)
        return true;
    // --uses is a mode of its own and takes nothing else.
    if (has(u"--uses"_s)) {
        if (given.size() > 1)
            return fail(u"--uses steht allein"_s);
        return true;
    }
    if (!parseTemplateOptions(given))
        return false;
    if (m_exportTemplates)
        return true;
    // Standard input can be read only once; --pairs excludes both lists.
    if (m_oldFile == kStandardInput && m_newFile == kStandardInput)
        return fail(u"--old und --new können nicht beide die Standardeingabe (-) lesen"_s);
    if (!parseFolderOptions(given))
        return false;
    if (has(u"--scan"_s))
        return true;
    if (!has(u"--pairs"_s)) {
        if (!has(u"--old"_s))
            return fail(u"--old fehlt"_s);
        if (!has(u"--new"_s) && !has(u"--rule"_s) && !has(u"--rules"_s))
            return fail(u"--new, --rule oder --rules fehlt"_s);
    }
    if (!m_checkOnly && !m_verify && !has(u"--out"_s) && !has(u"--stdout"_s))
        return fail(u"--out oder --stdout fehlt"_s);
    return true;
}

// --scan is a mode of its own; --filter and --types belong to it.
// --add-drawings needs the folder whose drawings it adds, and the check
// after a run the folder the run worked in.
bool CliJob::parseFolderOptions(const QStringList &given)
{
    const auto fail = [this](const QString &message) {
        m_error = message;
        return false;
    };
    if (!given.contains(u"--scan"_s)) {
        for (const QString &option : {u"--filter"_s, u"--types"_s}) {
            if (given.contains(option))
                return fail(option + u" gilt nur mit --scan"_s);
        }
        for (const QString &option :
             {u"--add-drawings"_s, u"--no-users"_s, u"--verify"_s, u"--only-open"_s, u"--only-done"_s}) {
            if (given.contains(option) && m_checkFolder.isEmpty())
                return fail(option + u" braucht --folder"_s);
        }
        return true;
    }
    for (const QString &option : given) {
        if (option != u"--scan" && option != u"--filter" && option != u"--types")
            return fail(u"--scan und "_s + option + u" schließen einander aus"_s);
    }
    const QStringList &known = FolderReader::objectTypes();
    for (const QString &type : std::as_const(m_scanOptions.types)) {
        if (!known.contains(type))
            return fail(u"--types: unbekannter Typ „"_s + type + u"“ (bekannt: "_s + known.join(u',') + u')');
    }
    return true;
}

// --export-templates is a mode of its own; --template-keys and --samples
// describe the set that --templates names.
bool CliJob::parseTemplateOptions(const QStringList &given)
{
    const auto fail = [this](const QString &message) {
        m_error = message;
        return false;
    };
    if (m_exportTemplates) {
        for (const QString &option : given) {
            if (option != u"--export-templates")
                return fail(u"--export-templates und "_s + option + u" schließen einander aus"_s);
        }
        return true;
    }
    for (const QString &option : {u"--template-keys"_s, u"--samples"_s}) {
        if (given.contains(option) && !given.contains(u"--templates"_s))
            return fail(option + u" gilt nur mit --templates"_s);
    }
    return true;
}

QString CliJob::usage()
{
    return u"Aufruf:\n"
           "  velmorant-cli LISTEN [ORDNER] [VORLAGE] [--order] [--reverse] [--strict]\n"
           "                (--out VERZEICHNIS | --stdout)\n"
           "  velmorant-cli LISTEN [ORDNER] [VORLAGE] [--order] [--reverse] --check\n"
           "  velmorant-cli LISTEN --folder VERZEICHNIS [--add-drawings] [--order] --verify\n"
           "  velmorant-cli --scan VERZEICHNIS [--filter MUSTER] [--types TYPEN]\n"
           "  velmorant-cli --uses VERZEICHNIS\n"
           "  velmorant-cli --export-templates > vorlage.pro\n"
           "\n"
           "  LISTEN: --old ALTLISTE (--new NEULISTE | --rule AUSDRUCK ERSATZ\n"
           "          | --rules REGELDATEI) oder --pairs PAARDATEI\n"
           "  ORDNER: --folder VERZEICHNIS [--add-drawings] [--no-users]\n"
           "          [--only-open | --only-done]\n"
           "  VORLAGE: --templates AUFZEICHNUNG [--template-keys U,S,O] [--samples ALT NEU]\n"
           "\n"
           "Erzeugt die Mapkey-Datei rename.pro aus zwei Namenslisten, Byte für Byte\n"
           "wie das Programmfenster. Vorher werden die Paare geprüft: jeder Befund\n"
           "steht als eine Zeile \"Zeile N: Fehler: ...\" oder \"Zeile N: Warnung: ...\"\n"
           "auf der Standardfehlerausgabe (N zählt die Paare ab 1), und rename.pro\n"
           "wird trotzdem erzeugt.\n"
           "\n"
           "Listen-, Paar- und Regeldateien dürfen Windows-1252, UTF-8 oder UTF-16 mit\n"
           "Byte-Order-Markierung sein; rename.pro ist immer Windows-1252.\n"
           "Ein - statt des Dateinamens bei --old, --new oder --pairs liest die\n"
           "Standardeingabe, bei höchstens einer der drei.\n"
           "\n"
           "  --old ALTLISTE      Listendatei mit den alten Namen, ein Name pro Zeile\n"
           "  --new NEULISTE      Listendatei mit den neuen Namen\n"
           "  --rule AUSDRUCK ERSATZ\n"
           "                      neue Namen aus den alten ableiten: das erste\n"
           "                      Vorkommen von AUSDRUCK wird durch ERSATZ ersetzt\n"
           "  --rules REGELDATEI  neue Namen aus den alten ableiten, mit den Schritten\n"
           "                      der Regeldatei (wie \"Regeln speichern\" im Fenster\n"
           "                      sie schreibt), dieselben Namen wie im Fenster. Jeder\n"
           "                      Schritt wirkt auf den alten Namen ohne Verzeichnis,\n"
           "                      Versionsnummer und Endung, die Endung bleibt; ein\n"
           "                      Schritt je Zeile, Felder durch Tabulator getrennt:\n"
           "                        ersetzen TEXT ERSATZ erstes|alle gross-klein|egal\n"
           "                        muster VON NACH      (* und ? wie beim Suchen)\n"
           "                        regex AUSDRUCK ERSATZ  (\\1 oder $1 im Ersatz)\n"
           "                        einfuegen TEXT anfang|ende|position N\n"
           "                        nummerieren MUSTER START SCHRITT  (### im MUSTER)\n"
           "                        entfernen anfang|ende N  oder  entfernen text TEXT\n"
           "                        schreibweise klein|gross\n"
           "                      \"aus\" davor schaltet einen Schritt ab; Leerzeilen\n"
           "                      und Zeilen mit # am Anfang werden übergangen\n"
           "  --pairs PAARDATEI   beide Listen aus einer Datei mit zwei Spalten je\n"
           "                      Zeile, getrennt durch Semikolon oder Tabulator;\n"
           "                      Leerzeilen und die Kopfzeile \"alter Name;neuer Name\"\n"
           "                      (gleich ob groß oder klein geschrieben) werden\n"
           "                      übergangen\n"
           "  --out VERZEICHNIS   rename.pro in dieses Verzeichnis schreiben, als\n"
           "                      gewöhnliche Datei, nie durch eine Verknüpfung; ein\n"
           "                      früheres rename_zurueck.pro dort (auch eine\n"
           "                      Verknüpfung) wird vorher in\n"
           "                      rename_zurueck_JJJJ-MM-TT_hh-mm-ss.pro umbenannt\n"
           "  --stdout            den Inhalt von rename.pro auf die Standardausgabe\n"
           "  --check             nur prüfen und nichts schreiben; die Befunde kommen\n"
           "                      auf die Standardausgabe\n"
           "  --strict            bei einem Befund (auch einer Warnung) nichts schreiben\n"
           "  --order             die Paare vorher so ordnen, dass jeder neue Name frei\n"
           "                      ist, wenn sein Paar läuft; die Zeilennummern der\n"
           "                      Befunde zählen dann in der neuen Reihenfolge\n"
           "  --reverse           statt rename.pro den Rückweg rename_zurueck.pro\n"
           "                      erzeugen, der die Umbenennung rückgängig macht: die\n"
           "                      Paare in umgekehrter Reihenfolge, jedes vom neuen\n"
           "                      zum alten Namen. Auch der Rückweg wird geprüft; was\n"
           "                      nur er findet, steht mit \"Rückweg: \" davor\n"
           "  --folder VERZEICHNIS\n"
           "                      die Paare auch gegen die Objekte dieses Arbeits-\n"
           "                      ordners prüfen: alter Name kein Objekt des Ordners\n"
           "                      (Warnung), neuer Name dort schon vergeben (Fehler),\n"
           "                      Zeichnung eines umbenannten Modells bleibt zurück\n"
           "                      (Warnung). Die Verwender eines alten Namens\n"
           "                      (Baugruppen, Zeichnungen, die ihn verwenden)\n"
           "                      öffnet rename.pro vor dem ersten Umbenennen und\n"
           "                      speichert sie nach dem letzten, ebenso Baugruppen\n"
           "                      und Zeichnungen, deren Verwendung nicht lesbar ist;\n"
           "                      wie viele, steht auf der Standardfehlerausgabe\n"
           "  --add-drawings      nur mit --folder: vor Prüfung und Schreiben für jede\n"
           "                      zurückbleibende Zeichnung m.drw das Paar\n"
           "                      m.drw -> NEU.drw anhängen, NEU der neue Name ihres\n"
           "                      Modells; wie viele, steht auf der Standardfehlerausgabe\n"
           "  --no-users          nur mit --folder: die Verwender nicht mitnehmen; jeder\n"
           "                      Verwender eines alten Namens ist dann eine Warnung\n"
           "  --verify            nur mit --folder, nach einem Lauf von rename.pro: wie\n"
           "                      weit er kam, am Ordner abgelesen. Je Paar eine Zeile\n"
           "                      \"Zeile N: erledigt: ALT -> NEU\" (oder \"offen\",\n"
           "                      \"unklar\") auf die Standardausgabe, die Abweichungen\n"
           "                      und die Summe auf die Standardfehlerausgabe; schreibt\n"
           "                      nichts. Ein Objekt, das nach dem Lauf noch den alten\n"
           "                      Namen eines erledigten Paars verwendet, ist eine\n"
           "                      Abweichung\n"
           "  --only-open         nur mit --folder: vor Prüfung und Schreiben nur die\n"
           "                      Paare behalten, die der Lauf nicht erledigt hat, für\n"
           "                      ein rename.pro des Rests\n"
           "  --only-done         nur mit --folder: nur die erledigten Paare behalten,\n"
           "                      mit --reverse für den Rückweg des halben Laufs; sie\n"
           "                      werden ohne die Regeln des Ordners geprüft. Unklare\n"
           "                      Paare behält keine der beiden Optionen; was der Lauf\n"
           "                      ergab, steht zuerst auf der Standardfehlerausgabe, und\n"
           "                      die Zeilennummern der Befunde zählen die behaltenen\n"
           "                      Paare\n"
           "  --scan VERZEICHNIS  die Objekte des Ordners als Listendatei (Windows-1252,\n"
           "                      CR LF) auf die Standardausgabe, für --old: Versionen\n"
           "                      zusammengefasst, Namen klein, Teile, Baugruppen,\n"
           "                      Zeichnungen, dann die anderen Typen, je alphabetisch;\n"
           "                      wie viele übersprungen oder ausgelassen wurden, steht\n"
           "                      auf der Standardfehlerausgabe\n"
           "  --filter MUSTER     nur mit --scan: nur Namen (mit Endung), auf die MUSTER\n"
           "                      passt, * für beliebig viele Zeichen, ? für eines\n"
           "  --types TYPEN       nur mit --scan: Typen durch Komma getrennt, aus\n"
           "                      prt,asm,drw,frm,lay,sec,mfg; ohne Angabe prt,asm,drw\n"
           "  --uses VERZEICHNIS  welche Objekte des Ordners (je die neueste Version)\n"
           "                      welche anderen verwenden, aus den Objektdateien\n"
           "                      gelesen, UTF-8 auf die Standardausgabe: eine Zeile\n"
           "                      je Verwender (\"baugruppe.asm: lager.prt, welle.prt\"),\n"
           "                      dann eine je Objekt, dessen Verwendung nicht lesbar\n"
           "                      war, mit dem Grund. Gelesen werden Dateien von\n"
           "                      Pro/ENGINEER 2001 bis Creo 4; spätere sind nicht\n"
           "                      lesbar (\"Creo-Version nicht lesbar\"), Baugruppen\n"
           "                      und Zeichnungen unter ihnen nimmt --folder mit\n"
           "  --templates AUFZEICHNUNG\n"
           "                      die Mapkeys aus drei in der eigenen Pro/ENGINEER-\n"
           "                      Version aufgezeichneten Mapkeys bauen statt aus der\n"
           "                      eingebauten Vorlage (AUFZEICHNUNG: eine Konfigurations-\n"
           "                      datei mit ihnen, höchstens 16 MiB); eine Vorlage mit\n"
           "                      Fehlern ist ein Aufruffehler, vor jedem Schreiben.\n"
           "                      Ihre Befunde und Warnungen stehen auf der\n"
           "                      Standardfehlerausgabe\n"
           "  --template-keys UMBENENNEN,SPEICHERN,OEFFNEN\n"
           "                      nur mit --templates: die Namen der drei Mapkeys\n"
           "                      (öffnen, umbenennen, speichern, schließen; öffnen,\n"
           "                      speichern, schließen; öffnen, schließen); ohne Angabe\n"
           "                      velmorant_umbenennen,velmorant_speichern,\n"
           "                      velmorant_oeffnen\n"
           "  --samples ALT NEU   nur mit --templates: die beim Aufzeichnen getippten\n"
           "                      Beispielnamen, je ein ganzer Wert (velmorant_alt.prt,\n"
           "                      nicht velmorant_alt); ohne Angabe velmorant_alt.prt\n"
           "                      velmorant_neu\n"
           "  --export-templates  die eingebaute Vorlage als solche Aufzeichnung\n"
           "                      (Windows-1252, CR LF) auf die Standardausgabe\n"
           "  -h, --help          diese Hilfe\n"
           "  --version           die Version\n"
           "\n"
           "Rückgabewerte: 0 erfolgreich, 1 Listen unterschiedlich lang,\n"
           "2 Aufruf-, Listen-, Ordner- oder Vorlagenfehler, 3 Schreibfehler,\n"
           "4 Befunde bei --check oder --strict, Abweichungen oder unklare Paare\n"
           "bei --verify, 5 offene Paare bei --verify (sonst nichts).\n"_s;
}
