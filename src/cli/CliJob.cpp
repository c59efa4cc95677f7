#include "cli/CliJob.h"

#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/ReplacementRule.h"

using namespace Qt::StringLiterals;

bool CliJob::parse(const QStringList &arguments)
{
    const auto fail = [this](const QString &message) {
        m_error = message;
        return false;
    };
    bool haveNew = false;
    bool haveOut = false;
    QStringList given;
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
        if (given.contains(a))
            return fail(a + u" ist doppelt angegeben"_s);
        given.append(a);
        if (a == u"--help" || a == u"-h") {
            m_help = true;
        } else if (a == u"--version") {
            m_version = true;
        } else if (a == u"--old") {
            if (!takeValue(m_oldFile))
                return fail(u"--old braucht den Namen einer Listendatei"_s);
        } else if (a == u"--new") {
            if (haveNew)
                return fail(u"--new und --rule schließen einander aus"_s);
            if (!takeValue(m_newFile))
                return fail(u"--new braucht den Namen einer Listendatei"_s);
            haveNew = true;
        } else if (a == u"--rule") {
            if (haveNew)
                return fail(u"--new und --rule schließen einander aus"_s);
            if (!takeValue(m_expression, true) || !takeValue(m_replacement, true))
                return fail(u"--rule braucht einen Ausdruck und einen Ersatz"_s);
            m_useRule = true;
            haveNew = true;
        } else if (a == u"--out") {
            if (haveOut)
                return fail(u"--out und --stdout schließen einander aus"_s);
            if (!takeValue(m_outFolder))
                return fail(u"--out braucht ein Verzeichnis"_s);
            haveOut = true;
        } else if (a == u"--stdout") {
            if (haveOut)
                return fail(u"--out und --stdout schließen einander aus"_s);
            m_toStdout = true;
            haveOut = true;
        } else {
            return fail(u"Unbekanntes Argument: "_s + a);
        }
    }
    if (m_help || m_version)
        return true;
    if (m_oldFile.isEmpty())
        return fail(u"--old fehlt"_s);
    if (!haveNew)
        return fail(u"--new oder --rule fehlt"_s);
    if (!haveOut)
        return fail(u"--out oder --stdout fehlt"_s);
    return true;
}

QString CliJob::usage()
{
    return u"Aufruf:\n"
           "  velmorant-cli --old ALTLISTE (--new NEULISTE | --rule AUSDRUCK ERSATZ)\n"
           "                (--out VERZEICHNIS | --stdout)\n"
           "\n"
           "Erzeugt die Mapkey-Datei rename.pro aus zwei Namenslisten, Byte für Byte\n"
           "wie das Programmfenster.\n"
           "\n"
           "  --old ALTLISTE      Listendatei mit den alten Namen, ein Name pro Zeile\n"
           "  --new NEULISTE      Listendatei mit den neuen Namen\n"
           "  --rule AUSDRUCK ERSATZ\n"
           "                      neue Namen aus den alten ableiten: das erste\n"
           "                      Vorkommen von AUSDRUCK wird durch ERSATZ ersetzt\n"
           "  --out VERZEICHNIS   rename.pro in dieses Verzeichnis schreiben\n"
           "  --stdout            den Inhalt von rename.pro auf die Standardausgabe\n"
           "  --help              diese Hilfe\n"
           "  --version           die Version\n"
           "\n"
           "Rückgabewerte: 0 erfolgreich, 1 Listen unterschiedlich lang,\n"
           "2 Aufruf- oder Listenfehler, 3 Schreibfehler.\n"_s;
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
    if (m_useRule && !checkRule(err))
        return BadInput;
    if (!readList(m_oldFile, oldNames, err))
        return BadInput;
    if (m_useRule)
        newNames = ReplacementRule::apply(oldNames, m_expression, m_replacement);
    else if (!readList(m_newFile, newNames, err))
        return BadInput;

    MapkeyGenerator::EncodedGeneration g = MapkeyGenerator::generateFile(oldNames, newNames);
    if (!g.countsMatch) {
        err = u"Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !\n"_s;
        return CountsDiffer;
    }
    if (!g.firstUnrepresentable.isEmpty()) {
        err = Cp1252::unrepresentableMessage(g.firstUnrepresentable) + u'\n';
        return WriteFailed;
    }
    if (m_toStdout) {
        out = std::move(g.fileBytes);
        return Ok;
    }
    const WriteReport report = RenameProWriter::writeBytes(m_outFolder, g.fileBytes);
    if (!report.ok) {
        err = report.statusText + (report.reason.isEmpty() ? QString() : u": "_s + report.reason) + u'\n';
        return WriteFailed;
    }
    out = (report.statusText + u'\n').toUtf8();
    return Ok;
}
