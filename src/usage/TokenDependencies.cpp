#include "usage/DependencySources.h"

#include "usage/PsbCursor.h"

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace DependencySources {

namespace {

// Bounds: real sections hold a few thousand tokens.
constexpr qint64 kMaxItems = 1 << 20;
constexpr int kMaxTokenDepth = 128;

const QByteArray kTokensMark = QByteArrayLiteral("\xe0\x00PSB_Tokens\0");
const QByteArray kTypesMark = QByteArrayLiteral("\xe0\x04type_har\0");
const QByteArray kIntegersMark = QByteArrayLiteral("\xe0\x01int_har\0");
const QByteArray kDoublesMark = QByteArrayLiteral("\xe0\x02"
                                                  "double_xar\0");
const QByteArray kStringsMark = QByteArrayLiteral("\xe0\x03string_xar\0");

// "f8 <count>", then that many items, a repeat marker standing for the
// previous item once or more.
template <typename Item, typename ReadItem>
bool readSequence(PsbCursor &cursor, std::vector<Item> &items, ReadItem readItem)
{
    if (cursor.byte() != 0xf8)
        return false;
    const qint64 count = cursor.integer();
    if (!cursor.ok() || count < 0 || count > kMaxItems)
        return false;
    items.clear();
    items.reserve(std::min<qint64>(count, 1 << 16));
    while (qint64(items.size()) < count && cursor.ok()) {
        if (const qint64 more = cursor.repeats(); more > 0) {
            if (items.empty() || more > count - qint64(items.size()))
                return false;
            items.insert(items.end(), size_t(more), items.back());
            continue;
        }
        items.push_back(readItem());
    }
    return cursor.ok();
}

// One value of the token tree.
struct Node {
    char letter = 'N';
    qint64 integer = 0;                          // class for M, index for I, the value for F
    std::vector<std::pair<qint64, Node>> fields; // M: field name index, value
    std::vector<Node> items;                     // P and S
};

class TreeReader
{
public:
    TreeReader(const std::vector<char> &letters, const std::vector<qint64> &integers)
        : m_letters(letters)
        , m_integers(integers)
    {
    }

    bool read(Node &top)
    {
        if (!value(top, 0) || top.letter != 'M')
            return false;
        while (m_letter < m_letters.size() && m_letters[m_letter] == 'C')
            ++m_letter;
        return m_letter == m_letters.size() && m_integer == m_integers.size();
    }

private:
    bool nextInteger(qint64 &value)
    {
        if (m_integer >= m_integers.size())
            return false;
        value = m_integers[m_integer++];
        return true;
    }

    bool nextLetter(char &letter)
    {
        if (m_letter >= m_letters.size())
            return false;
        letter = m_letters[m_letter++];
        return true;
    }

    bool value(Node &node, int depth)
    {
        if (depth > kMaxTokenDepth || !nextLetter(node.letter))
            return false;
        switch (node.letter) {
        case 'N':
        case 'H':
            return true;
        case 'I':
        case 'F':
            return nextInteger(node.integer);
        case 'M': {
            if (!nextInteger(node.integer))
                return false;
            for (char letter = 0;;) {
                if (!nextLetter(letter))
                    return false;
                if (letter == 'C')
                    return true;
                qint64 name = 0;
                if (letter != 'O' || !nextInteger(name))
                    return false;
                node.fields.emplace_back(name, Node());
                if (!value(node.fields.back().second, depth + 1))
                    return false;
            }
        }
        case 'P':
        case 'S': {
            qint64 count = 0;
            if (!nextInteger(count) || count < 0 || count > qint64(m_letters.size()))
                return false;
            const bool keyed = node.letter == 'S';
            char letter = 0;
            for (qint64 i = 0; i < count; ++i) {
                qint64 key = 0;
                if (!nextLetter(letter) || letter != (keyed ? 'T' : 'Q') || (keyed && !nextInteger(key)))
                    return false;
                node.items.emplace_back();
                if (!value(node.items.back(), depth + 1))
                    return false;
            }
            return nextLetter(letter) && letter == (keyed ? 'U' : 'R');
        }
        default:
            return false;
        }
    }

    const std::vector<char> &m_letters;
    const std::vector<qint64> &m_integers;
    size_t m_letter = 0;
    size_t m_integer = 0;
};

class DependencyReader
{
public:
    explicit DependencyReader(const std::vector<QByteArray> &strings)
        : m_strings(strings)
    {
    }

    // The field `name` of an object; nullptr when it has none.
    const Node *field(const Node &object, QStringView name) const
    {
        for (const auto &[index, value] : object.fields)
            if (text(index) == name)
                return &value;
        return nullptr;
    }

    QString text(qint64 index) const
    {
        if (index < 0 || index >= qint64(m_strings.size()))
            return {};
        return QString::fromUtf8(m_strings[size_t(index)]);
    }

    // A string field; false when the field holds something else.
    bool stringField(const Node &object, QStringView name, QString &out) const
    {
        const Node *value = field(object, name);
        if (!value || value->letter == 'N')
            return true;
        if (value->letter != 'I' || value->integer >= qint64(m_strings.size()) || value->integer < -1)
            return false;
        out = text(value->integer);
        return true;
    }

    // False for an item that is no dependency; `empty` for one that names
    // nothing (a placeholder without descriptor or stored name).
    bool dependency(const Node &item, Dependency &out, bool &empty) const
    {
        empty = false;
        if (item.letter != 'M')
            return false;
        const Node *descriptor = field(item, u"ToModelDescriptor");
        if (descriptor && descriptor->letter == 'N') {
            QString stored;
            empty = stringField(item, u"ToModelNameAsStored", stored) && stored.isEmpty();
            return empty;
        }
        if (!descriptor || descriptor->letter != 'M')
            return false;
        if (!stringField(*descriptor, u"Name", out.name) || !stringField(*descriptor, u"Type", out.type)
            || !stringField(*descriptor, u"LibraryName", out.generic))
            return false;
        if (out.name.isEmpty() && !stringField(item, u"ToModelNameAsStored", out.name))
            return false;
        if (out.generic.isEmpty() && !stringField(item, u"ToLibraryNameAsStored", out.generic))
            return false;
        const Node *depType = field(item, u"DepType");
        if (depType && depType->letter != 'F')
            return false;
        out.depType = depType ? int(depType->integer) : 0;
        return !out.name.isEmpty() && !out.type.isEmpty();
    }

private:
    const std::vector<QByteArray> &m_strings;
};

const Node *dependencyList(const DependencyReader &reader, const Node &top)
{
    for (const QStringView name : {u"Dependencies_P", u"Dependencies"}) {
        const Node *list = reader.field(top, name);
        if (list && list->letter == 'M') {
            const Node *inner = reader.field(*list, u"Dependencies_P");
            list = inner ? inner : reader.field(*list, u"Dependencies");
        }
        if (list)
            return list;
    }
    return nullptr;
}

} // namespace

bool isTokens(QByteArrayView payload)
{
    return payload.startsWith(kTokensMark);
}

// "PSB_Tokens", then the letters of the tree, the integers they take, the
// doubles (not needed) and the string pool.
bool fromTokens(QByteArrayView payload, QList<Dependency> &out)
{
    PsbCursor cursor(payload);
    std::vector<char> letters;
    std::vector<qint64> integers;
    std::vector<QByteArray> strings;
    // Between the marks stand fields not needed here (the format, the
    // doubles).
    const auto to = [&cursor](const QByteArray &mark) { return cursor.seek(mark) && cursor.skipIf(mark); };
    if (!cursor.skipIf(kTokensMark) || !to(kTypesMark)
        || !readSequence(cursor, letters, [&] { return char(cursor.byte()); }) || !to(kIntegersMark)
        || !readSequence(cursor, integers, [&] { return cursor.integer(); }) || !to(kDoublesMark) || !to(kStringsMark)
        || !readSequence(cursor, strings, [&] { return cursor.string(); }))
        return false;

    Node top;
    if (!TreeReader(letters, integers).read(top))
        return false;
    const DependencyReader reader(strings);
    const Node *list = dependencyList(reader, top);
    if (!list || list->letter == 'N')
        return true; // the object uses nothing
    if (list->letter != 'P')
        return false;
    QList<Dependency> found;
    for (const Node &item : list->items) {
        Dependency dependency;
        bool empty = false;
        if (!reader.dependency(item, dependency, empty))
            return false;
        if (empty)
            continue;
        found.append(dependency);
    }
    out += found;
    return true;
}

} // namespace DependencySources
