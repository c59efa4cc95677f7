#include "templates/Recording.h"

#include "lists/NameListOps.h"

#include <QFileInfo>

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

constexpr QStringView kContinued = u"mapkey(continued)";

// Reads the file line by line into its definitions.
class Reader
{
public:
    void line(QStringView line);
    Contents finish();

private:
    Contents m_found;
    bool m_open = false; // the last line ended in a backslash
    qsizetype m_lineNumber = 0;
};

void Reader::line(QStringView line)
{
    ++m_lineNumber;
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    const QStringView option = line.mid(start);
    QStringView ended = option;
    while (!ended.isEmpty() && isBlank(ended.back()))
        ended.chop(1);
    const bool continued = ended.endsWith(u'\\');
    const bool blankAfterBackslash = continued && ended.size() < option.size();
    const QStringView content = continued ? ended.chopped(1) : option;
    if (startsWithWord(option, kContinued)) {
        if (!m_open) {
            m_found.strayContinuations.append(m_lineNumber);
            return;
        }
        Definition &definition = m_found.definitions.last();
        definition.lineEnds.append(definition.text.size());
        definition.text += withoutOneBlank(content.mid(kContinued.size()));
        definition.lastLine = m_lineNumber;
        if (blankAfterBackslash)
            definition.blankAfterBackslash.append(m_lineNumber);
        m_open = continued;
        return;
    }
    if (m_open)
        m_found.definitions.last().closed = false;
    m_open = false;
    if (!startsWithWord(option, u"mapkey") || option.size() < 7 || !isBlank(option.at(6)))
        return;
    qsizetype nameStart = 6;
    while (nameStart < content.size() && isBlank(content.at(nameStart)))
        ++nameStart;
    qsizetype nameEnd = nameStart;
    while (nameEnd < content.size() && !isBlank(content.at(nameEnd)))
        ++nameEnd;
    Definition definition;
    definition.name = content.mid(nameStart, nameEnd - nameStart).toString();
    definition.firstLine = definition.lastLine = m_lineNumber;
    definition.text = withoutOneBlank(content.mid(nameEnd)).toString();
    if (blankAfterBackslash)
        definition.blankAfterBackslash.append(m_lineNumber);
    m_found.definitions.append(definition);
    m_open = continued;
}

Contents Reader::finish()
{
    if (m_open)
        m_found.definitions.last().closed = false;
    return std::move(m_found);
}

} // namespace

qsizetype Definition::lineAt(qsizetype position) const
{
    return firstLine + (std::upper_bound(lineEnds.begin(), lineEnds.end(), position) - lineEnds.begin());
}

Contents contents(QStringView fileText)
{
    Reader reader;
    for (const QStringView line : fileText.tokenize(u'\n'))
        reader.line(line);
    return reader.finish();
}

namespace {

// The lines of a text as they come, each ended by LF whatever ended it,
// until the text passes a bound.
class LineCollector
{
public:
    explicit LineCollector(File &file)
        : m_file(file)
        , m_lines([this](QString &&line) { take(line); })
    {
    }

    // False once a bound is passed.
    bool feed(QStringView text)
    {
        m_lines.feed(text);
        if (m_file.longLine == 0 && m_lines.pendingSize() > kMaxLineLength)
            m_file.longLine = m_lineNumber + 1;
        return !tooLarge();
    }

    // The file holds its lines, or nothing and why.
    void finish()
    {
        if (!tooLarge())
            m_lines.finish();
        if (tooLarge()) {
            m_file.status = ListFile::ReadResult::Status::TooLarge;
            m_file.text.clear();
        }
    }

private:
    void take(const QString &line)
    {
        ++m_lineNumber;
        if (line.size() > kMaxLineLength && m_file.longLine == 0)
            m_file.longLine = m_lineNumber;
        m_file.text += line;
        m_file.text += u'\n';
    }
    // A file may also grow after its size was asked.
    bool tooLarge() const { return m_file.longLine > 0 || m_file.text.size() + m_lines.pendingSize() > kMaxFileBytes; }

    File &m_file;
    NameListOps::LineSplitter m_lines;
    qsizetype m_lineNumber = 0;
};

} // namespace

File fromText(QStringView text)
{
    File file;
    file.status = ListFile::ReadResult::Status::Read;
    LineCollector lines(file);
    lines.feed(text);
    lines.finish();
    return file;
}

// The size is asked first, so that a huge file costs nothing; the lines
// are then taken as they come, and the first one too long ends the reading.
File read(const QString &path)
{
    using Status = ListFile::ReadResult::Status;
    File file;
    if (const QFileInfo info(path); info.isFile() && info.size() > kMaxFileBytes) {
        file.status = Status::TooLarge;
        return file;
    }
    LineCollector lines(file);
    file.status = ListFile::readText(path, [&lines](QStringView text) { return lines.feed(text); });
    if (file.status == Status::Read)
        lines.finish();
    else
        file.text.clear();
    return file;
}

} // namespace Recording
