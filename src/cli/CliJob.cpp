#include "cli/CliJob.h"

#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/ReplacementRule.h"

#include "VelmorantVersion.h"

using namespace Qt::StringLiterals;

bool CliJob::parse(const QStringList &arguments)
{
    const auto fail = [this](const QString &message) {
        m_error = message;
        return false;
    };
    bool haveNew = false;
    bool haveOut = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        const auto takeValue = [&](QString &target) {
            if (i + 1 >= arguments.size())
                return false;
            target = arguments.at(++i);
            return true;
        };
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
            if (!takeValue(m_expression) || !takeValue(m_replacement))
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
    const ListFile::ReadResult result = ListFile::read(path);
    switch (result.status) {
    case ListFile::ReadResult::Status::Missing:
        err = u"Fehler: Listendatei nicht gefunden: "_s + path + u'\n';
        return false;
    case ListFile::ReadResult::Status::Unreadable:
        err = ListFile::unreadableMessage(path) + u'\n';
        return false;
    case ListFile::ReadResult::Status::Read:
        break;
    }
    if (result.lines.size() > NameListOps::kMaxEntries) {
        err = u"Fehler: Die Liste in %1 hat %2 Einträge, höchstens 32767 sind erlaubt\n"_s.arg(path).arg(
            result.lines.size());
        return false;
    }
    lines = result.lines;
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
        err = report.statusText + u'\n';
        return WriteFailed;
    }
    out = (report.statusText + u'\n').toUtf8();
    return Ok;
}
