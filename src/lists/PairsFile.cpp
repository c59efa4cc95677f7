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

// Line by line into the table: blank lines cost nothing, and reading stops
// at the first line that refuses the table. `name` is the file as its
// failure messages name it.
template <typename ReadText>
ReadResult readTable(const ReadText &readText, const QString &name)
{
    ReadResult result;
    TwoColumns::Reader reader(TwoColumns::Source::File);
    NameListOps::LineSplitter lines([&reader](QString &&line) { reader.add(line); });
    const ListFile::ReadResult::Status status = readText([&](QStringView text) {
        lines.feed(text);
        return reader.ok();
    });
    if (status != ListFile::ReadResult::Status::Read) {
        result.statusText = ListFile::failureMessage(status, name, ListFile::Content::Pairs);
        return result;
    }
    lines.finish();
    TwoColumns::Table table = reader.take();
    if (!table.ok()) {
        result.statusText = table.error;
        return result;
    }
    result.ok = true;
    result.oldNames = std::move(table.first);
    result.newNames = std::move(table.second);
    return result;
}

} // namespace

ReadResult read(const QString &path)
{
    return readTable([&path](const auto &take) { return ListFile::readText(path, take); }, path);
}

ReadResult read(QIODevice &stream, const QString &name)
{
    return readTable([&stream](const auto &take) { return ListFile::readText(stream, take); }, name);
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
