#include "common/ShownName.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace ShownName {

namespace {

// The code point at `i` and how many UTF-16 units it takes.
std::pair<char32_t, qsizetype> codePointAt(QStringView text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text.at(i + 1).unicode()), 2};
    return {c, 1};
}

} // namespace

bool isHidden(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString codePoint(char32_t c)
{
    return u"U+"_s + QString::number(uint(c), 16).rightJustified(4, u'0').toUpper();
}

QString of(QStringView name)
{
    // Most names are short and plain: shown whole, in one copy.
    const auto plain = [](QChar c) { return c.unicode() >= 0x20 && (c.unicode() < 0x7F || !isHidden(c.unicode())); };
    if (name.size() <= kMaxCharacters && std::all_of(name.begin(), name.end(), plain))
        return name.toString();
    QString text;
    qsizetype i = 0;
    for (qsizetype shown = 0; shown < kMaxCharacters && i < name.size(); ++shown) {
        const auto [c, units] = codePointAt(name, i);
        if (isHidden(c))
            text += u'<' + codePoint(c) + u'>';
        else
            text += name.mid(i, units);
        i += units;
    }
    if (i < name.size())
        text += QChar(0x2026);
    return text;
}

QString character(QStringView character)
{
    if (character.isEmpty())
        return {};
    const char32_t c = codePointAt(character, 0).first;
    return isHidden(c) ? codePoint(c) : character.toString();
}

} // namespace ShownName
