#include "cli/CliJob.h"

#include "check/ChainOrder.h"
#include "check/NameCheck.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/PairsFile.h"
#include "lists/ReplacementRule.h"

#include "VelmorantVersion.h"

#include <future>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Options that cannot be given together, named in this order when refused.
const std::pair<QString, QString> kExclusive[] = {
    {u"--new"_s, u"--rule"_s},     {u"--out"_s, u"--stdout"_s},   {u"--pairs"_s, u"--old"_s},
    {u"--pairs"_s, u"--new"_s},    {u"--pairs"_s, u"--rule"_s},   {u"--check"_s, u"--out"_s},
    {u"--check"_s, u"--stdout"_s}, {u"--check"_s, u"--strict"_s},
};

} // namespace

// A hand parser rather than QCommandLineParser: --rule takes two values, an
// option given twice or with an empty value is refused, and every message is
// German.
bool CliJob::parse(const QStringList &arguments)
{
    const auto fail = [this](const QString &message) {
        m_error = message;
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
            target = arguments.at(++i);
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
            if (!takeValue(m_oldFile))
                return fail(u"--old braucht den Namen einer Listendatei"_s);
        } else if (a == u"--new") {
            if (!takeValue(m_newFile))
                return fail(u"--new braucht den Namen einer Listendatei"_s);
        } else if (a == u"--rule") {
            if (!takeValue(m_expression, true) || !takeValue(m_replacement, true))
                return fail(u"--rule braucht einen Ausdruck und einen Ersatz"_s);
            m_useRule = true;
        } else if (a == u"--pairs") {
            if (!takeValue(m_pairsFile))
                return fail(u"--pairs braucht den Namen einer Paardatei"_s);
        } else if (a == u"--out") {
            if (!takeValue(m_outFolder))
                return fail(u"--out braucht ein Verzeichnis"_s);
        } else if (a == u"--stdout") {
            m_toStdout = true;
        } else if (a == u"--check") {
            m_checkOnly = true;
        } else if (a == u"--strict") {
            m_strict = true;
        } else if (a == u"--order") {
            m_order = true;
        } else {
            return fail(u"Unbekanntes Argument: "_s + a);
        }
    }
    if (m_help || m_version)
        return true;
    if (!has(u"--pairs"_s)) {
        if (!has(u"--old"_s))
            return fail(u"--old fehlt"_s);
        if (!has(u"--new"_s) && !has(u"--rule"_s))
            return fail(u"--new oder --rule fehlt"_s);
    }
    if (!m_checkOnly && !has(u"--out"_s) && !has(u"--stdout"_s))
        return fail(u"--out oder --stdout fehlt"_s);
    return true;
}

QString CliJob::usage()
{
    return u"Aufruf:\n"
           "  velmorant-cli LISTEN [--order] [--strict] (--out VERZEICHNIS | --stdout)\n"
           "  velmorant-cli LISTEN [--order] --check\n"
           "\n"
           "  LISTEN: --old ALTLISTE (--new NEULISTE | --rule AUSDRUCK ERSATZ)\n"
           "          oder --pairs PAARDATEI\n"
           "\n"
           "Erzeugt die Mapkey-Datei rename.pro aus zwei Namenslisten, Byte für Byte\n"
           "wie das Programmfenster. Vorher werden die Paare geprüft: jeder Befund\n"
           "steht als eine Zeile \"Zeile N: Fehler: ...\" oder \"Zeile N: Warnung: ...\"\n"
           "auf der Standardfehlerausgabe (N zählt die Paare ab 1), und rename.pro\n"
           "wird trotzdem erzeugt.\n"
           "\n"
           "  --old ALTLISTE      Listendatei mit den alten Namen, ein Name pro Zeile\n"
           "  --new NEULISTE      Listendatei mit den neuen Namen\n"
           "  --rule AUSDRUCK ERSATZ\n"
           "                      neue Namen aus den alten ableiten: das erste\n"
           "                      Vorkommen von AUSDRUCK wird durch ERSATZ ersetzt\n"
           "  --pairs PAARDATEI   beide Listen aus einer Datei mit zwei Spalten je\n"
           "                      Zeile, getrennt durch Semikolon oder Tabulator;\n"
           "                      die Kopfzeile \"alter Name;neuer Name\" wird übergangen\n"
           "  --out VERZEICHNIS   rename.pro in dieses Verzeichnis schreiben\n"
           "  --stdout            den Inhalt von rename.pro auf die Standardausgabe\n"
           "  --check             nur prüfen und nichts schreiben; die Befunde kommen\n"
           "                      auf die Standardausgabe\n"
           "  --strict            bei einem Befund (auch einer Warnung) nichts schreiben\n"
           "  --order             die Paare vorher so ordnen, dass jeder neue Name frei\n"
           "                      ist, wenn sein Paar läuft; die Zeilennummern der\n"
           "                      Befunde zählen dann in der neuen Reihenfolge\n"
           "  -h, --help          diese Hilfe\n"
           "  --version           die Version\n"
           "\n"
           "Rückgabewerte: 0 erfolgreich, 1 Listen unterschiedlich lang,\n"
           "2 Aufruf- oder Listenfehler, 3 Schreibfehler,\n"
           "4 Befunde bei --check oder --strict.\n"_s;
}

bool CliJob::readList(const QString &path, QStringList &lines, QString &err) const
{
    ListFile::ReadResult result = ListFile::read(path);
    if (result.status != ListFile::ReadResult::Status::Read) {
        err = ListFile::failureMessage(result.status, path) + u'\n';
        return false;
    }
    if (result.linesLeftOut > 0) {
        err = u"Fehler: Die Liste in %1 hat %2 Einträge, höchstens 32767 sind erlaubt\n"_s.arg(path).arg(
            result.lines.size() + result.linesLeftOut);
        return false;
    }
    lines = std::move(result.lines);
    return true;
}

// The rule's texts go into names: a line break would start a mapkey line of
// its own, and a character without a byte in Windows-1252 cannot be written.
bool CliJob::checkRule(QString &err) const
{
    for (const QString &text : {m_expression, m_replacement}) {
        QByteArray bytes;
        QString badCharacter;
        if (NameListOps::holdsLineBreak(text))
            err = NameListOps::lineBreakMessage() + u'\n';
        else if (!Cp1252::encodeAppend(text, bytes, &badCharacter))
            err = Cp1252::unrepresentableMessage(badCharacter) + u'\n';
        if (!err.isEmpty())
            return false;
    }
    return true;
}

bool CliJob::readLists(QStringList &oldNames, QStringList &newNames, QString &err) const
{
    if (!m_pairsFile.isEmpty()) {
        PairsFile::ReadResult pairs = PairsFile::read(m_pairsFile);
        if (!pairs.ok) {
            err = pairs.statusText + u'\n';
            return false;
        }
        oldNames = std::move(pairs.oldNames);
        newNames = std::move(pairs.newNames);
        return true;
    }
    if (m_useRule && !checkRule(err))
        return false;
    if (!readList(m_oldFile, oldNames, err))
        return false;
    if (m_useRule)
        newNames = ReplacementRule::apply(oldNames, m_expression, m_replacement);
    else if (!readList(m_newFile, newNames, err))
        return false;
    return true;
}

int CliJob::run(QByteArray &out, QString &err) const
{
    if (m_help) {
        out = usage().toUtf8();
        return Ok;
    }
    if (m_version) {
        out = QByteArrayLiteral("Velmorant " VELMORANT_VERSION "\n");
        return Ok;
    }

    QStringList oldNames;
    QStringList newNames;
    if (!readLists(oldNames, newNames, err))
        return BadInput;
    if (oldNames.size() != newNames.size()) {
        err = u"Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !\n"_s;
        return CountsDiffer;
    }
    if (m_order) {
        ChainOrder::Result ordered = ChainOrder::order(oldNames, newNames);
        oldNames = std::move(ordered.oldNames);
        newNames = std::move(ordered.newNames);
    }

    // Where the findings decide whether anything is written, the check comes
    // first; otherwise it runs beside the writing, which it would lengthen
    // by a third on a full list, and its lines go before any other message.
    const bool findingsDecide = m_checkOnly || m_strict;
    std::future<QList<NameCheck::Finding>> check = std::async(findingsDecide ? std::launch::deferred
                                                                             : std::launch::async,
                                                              [&oldNames, &newNames] {
                                                                  return NameCheck::check(oldNames, newNames);
                                                              });
    const auto findingLines = [](const QList<NameCheck::Finding> &findings) {
        QString lines;
        for (const NameCheck::Finding &finding : findings)
            lines += finding.text + u'\n';
        return lines;
    };
    if (findingsDecide) {
        const QList<NameCheck::Finding> findings = check.get();
        if (m_checkOnly) {
            out = findingLines(findings).toUtf8();
            return findings.isEmpty() ? Ok : Findings;
        }
        if (!findings.isEmpty()) {
            err = findingLines(findings);
            return Findings;
        }
    }
    const int status = write(oldNames, newNames, out, err);
    if (check.valid())
        err.prepend(findingLines(check.get()));
    return status;
}

int CliJob::write(const QStringList &oldNames, const QStringList &newNames, QByteArray &out, QString &err) const
{
    const auto unrepresentable = [&err](const MapkeyGenerator::EncodedGeneration &g) {
        if (!g.firstUnrepresentable.isEmpty())
            err += Cp1252::unrepresentableMessage(g.firstUnrepresentable) + u'\n';
        return !g.firstUnrepresentable.isEmpty();
    };
    if (m_toStdout) {
        MapkeyGenerator::EncodedGeneration g = MapkeyGenerator::generateFile(oldNames, newNames);
        if (unrepresentable(g))
            return WriteFailed;
        out = std::move(g.fileBytes);
        return Ok;
    }
    // Straight into the file: memory holds a piece of it, not all of it.
    const RenameProWriter::GeneratedWrite written = RenameProWriter::writeGenerated(m_outFolder, oldNames, newNames);
    if (unrepresentable(written.generation))
        return WriteFailed;
    const WriteReport &report = written.report;
    if (!report.ok) {
        err += report.statusText + (report.reason.isEmpty() ? QString() : u": "_s + report.reason) + u'\n';
        return WriteFailed;
    }
    out = (report.statusText + u'\n').toUtf8();
    return Ok;
}
