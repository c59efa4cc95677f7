#include "lists/PairsFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "lists/ListFile.h"
#include "lists/TwoColumns.h"

using namespace Qt::StringLiterals;

namespace PairsFile {

namespace {

bool holdsSeparator(const QString &name)
{
    return name.contains(u';') || name.contains(u'\t');
}

bool appendCell(const QString &name, QByteArray &bytes, WriteReport &report)
{
    QString badCharacter;
    if (Cp1252::encodeAppend(name, bytes, &badCharacter))
        return true;
    report.statusText = Cp1252::unrepresentableMessage(badCharacter);
    return false;
}

} // namespace

ReadResult read(const QString &path)
{
    ReadResult result;
    // Room for a full table, its header and blank lines between; what lies
    // beyond is more than a list takes anyway.
    const ListFile::ReadResult file = ListFile::read(path, 2 * NameListOps::kMaxEntries + 1);
    if (file.linesLeftOut > 0) {
        result.statusText = TwoColumns::tableFullMessage();
        return result;
    }
    if (file.status != ListFile::ReadResult::Status::Read) {
        result.statusText = u"Fehler: Paare konnten nicht gelesen werden: "_s + path;
        return result;
    }
    TwoColumns::Table table = TwoColumns::read(file.lines);
    if (!table.ok()) {
        result.statusText = table.error;
        return result;
    }
    result.ok = true;
    result.oldNames = std::move(table.first);
    result.newNames = std::move(table.second);
    return result;
}

WriteReport write(const QString &path, const QStringList &oldNames, const QStringList &newNames)
{
    WriteReport report;
    if (oldNames.size() != newNames.size()) {
        report.statusText = u"Achtung: Die Listen sind verschieden lang, Paare nicht gespeichert"_s;
        return report;
    }
    QByteArray bytes = TwoColumns::headerLine().toLatin1() + "\r\n";
    for (qsizetype i = 0; i < oldNames.size(); ++i) {
        if (holdsSeparator(oldNames.at(i)) || holdsSeparator(newNames.at(i))) {
            report.statusText = u"Fehler: Zeile %1 enthält ein Semikolon oder einen Tabulator in einem Namen, "
                                u"Paare nicht gespeichert"_s.arg(i + 1);
            return report;
        }
        if (!appendCell(oldNames.at(i), bytes, report))
            return report;
        bytes.append(';');
        if (!appendCell(newNames.at(i), bytes, report))
            return report;
        bytes.append("\r\n", 2);
    }
    report.ok = AtomicFile::write(path, bytes, &report.reason);
    if (!report.ok)
        report.statusText = u"Fehler: Paare konnten nicht gespeichert werden: "_s + path;
    return report;
}

} // namespace PairsFile
