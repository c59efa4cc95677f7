#include "templates/Recording.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Recording {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Option names are read without regard to letter case, as Pro/ENGINEER
// reads them; the text after them stays as it stands.
bool startsWithWord(QStringView line, QStringView word)
{
    return line.startsWith(word, Qt::CaseInsensitive);
}

QStringView withoutOneBlank(QStringView text)
{
    return !text.isEmpty() && text.front() == u' ' ? text.mid(1) : text;
}

} // namespace

qsizetype Definition::lineAt(qsizetype position) const
{
    return firstLine + (std::upper_bound(lineEnds.begin(), lineEnds.end(), position) - lineEnds.begin());
}

QList<Definition> definitions(QStringView fileText)
{
    QList<Definition> found;
    bool open = false; // the last line ended in a backslash
    qsizetype lineNumber = 0;
    for (QStringView line : fileText.tokenize(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        qsizetype start = 0;
        while (start < line.size() && isBlank(line.at(start)))
            ++start;
        const QStringView option = line.mid(start);
        const bool continued = line.endsWith(u'\\');
        const QStringView content = continued ? option.chopped(1) : option;
        if (open && startsWithWord(option, u"mapkey(continued)")) {
            Definition &definition = found.last();
            definition.lineEnds.append(definition.text.size());
            definition.text += withoutOneBlank(content.mid(17));
            definition.lastLine = lineNumber;
            open = continued;
            continue;
        }
        if (open)
            found.last().closed = false;
        open = false;
        if (!startsWithWord(option, u"mapkey") || option.size() < 7 || !isBlank(option.at(6)))
            continue;
        qsizetype nameStart = 6;
        while (nameStart < content.size() && isBlank(content.at(nameStart)))
            ++nameStart;
        qsizetype nameEnd = nameStart;
        while (nameEnd < content.size() && !isBlank(content.at(nameEnd)))
            ++nameEnd;
        Definition definition;
        definition.name = content.mid(nameStart, nameEnd - nameStart).toString();
        definition.firstLine = definition.lastLine = lineNumber;
        definition.text = withoutOneBlank(content.mid(nameEnd)).toString();
        found.append(definition);
        open = continued;
    }
    if (open)
        found.last().closed = false;
    return found;
}

File read(const QString &path)
{
    File file;
    file.status = ListFile::readText(path, [&file](QStringView text) {
        file.text += text;
        return true;
    });
    if (file.status != ListFile::ReadResult::Status::Read)
        file.text.clear();
    return file;
}

} // namespace Recording
