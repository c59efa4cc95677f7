#include "common/ShortLine.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ShortLine {

namespace {

constexpr QChar kEllipsis(0x2026);

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// A word as a path sees it: without the quotes and brackets around it, and
// whether something after it ends the path.
struct Word {
    qsizetype start = 0;
    qsizetype end = 0;
    bool opens = false; // a quote or bracket before it
    bool ends = false;  // a ':', ';', ',', quote or bracket after it
    bool separator = false;
};

QList<Word> wordsOf(QStringView text)
{
    static const QString opening = u"\"'„‚«‹([{<"_s;
    static const QString closing = u"\"'“‘»›)]}>:;,"_s;
    QList<Word> words;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text.at(i).isSpace())
            ++i;
        if (i == text.size())
            break;
        Word word;
        word.start = i;
        while (i < text.size() && !text.at(i).isSpace())
            ++i;
        word.end = i;
        while (word.start < word.end && opening.contains(text.at(word.start))) {
            ++word.start;
            word.opens = true;
        }
        while (word.end > word.start && closing.contains(text.at(word.end - 1))) {
            --word.end;
            word.ends = true;
        }
        const QStringView inside = text.sliced(word.start, word.end - word.start);
        word.separator = std::any_of(inside.begin(), inside.end(), isSeparator);
        words.append(word);
    }
    return words;
}

// Every path kept to at most `keep` characters and "…".
QString shortened(const QString &text, const QList<Span> &spans, qsizetype keep)
{
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    for (const Span &span : spans) {
        result += QStringView(text).sliced(at, span.start - at);
        const QStringView path = QStringView(text).sliced(span.start, span.length);
        if (path.size() <= keep + 1) {
            result += path;
        } else {
            const qsizetype tail = keep / 2;
            result += path.first(keep - tail);
            result += kEllipsis;
            result += path.last(tail);
        }
        at = span.start + span.length;
    }
    result += QStringView(text).sliced(at);
    return result;
}

} // namespace

QList<Span> paths(QStringView text)
{
    const QList<Word> words = wordsOf(text);
    QList<Span> spans;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (!words.at(i).separator)
            continue;
        qsizetype last = i;
        for (qsizetype k = i + 1; !words.at(k - 1).ends && k < words.size() && !words.at(k).opens; ++k) {
            if (words.at(k).separator)
                last = k;
        }
        spans.append({words.at(i).start, words.at(last).end - words.at(i).start});
        i = last;
    }
    return spans;
}

QString fitted(const QString &text, int width, const Advance &advance)
{
    const auto fits = [&](const QString &candidate) { return advance(candidate) <= width; };
    if (fits(text))
        return text;
    const QList<Span> spans = paths(text);
    qsizetype longest = 0;
    for (const Span &span : spans)
        longest = std::max(longest, span.length);
    // Keeping `longest - 1` characters changes nothing; the most that fits.
    const QString shortest = shortened(text, spans, 0);
    if (longest > 1 && fits(shortest)) {
        qsizetype fitting = 0;
        qsizetype tooMany = longest - 1;
        while (tooMany - fitting > 1) {
            const qsizetype keep = fitting + (tooMany - fitting) / 2;
            (fits(shortened(text, spans, keep)) ? fitting : tooMany) = keep;
        }
        return shortened(text, spans, fitting);
    }
    // The start as far as it goes; a character of two code units stays whole.
    qsizetype fitting = 0;
    qsizetype tooMany = shortest.size();
    const auto cut = [&shortest](qsizetype length) {
        if (length > 0 && length < shortest.size() && shortest.at(length - 1).isHighSurrogate())
            --length;
        return shortest.first(length) + kEllipsis;
    };
    while (tooMany - fitting > 1) {
        const qsizetype length = fitting + (tooMany - fitting) / 2;
        (fits(cut(length)) ? fitting : tooMany) = length;
    }
    return cut(fitting);
}

} // namespace ShortLine
