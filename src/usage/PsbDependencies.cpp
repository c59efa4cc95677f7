#include "usage/DependencySources.h"

#include "usage/PsbCursor.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace DependencySources {

namespace {

constexpr int kMaxStructDepth = 32;
constexpr qint64 kMaxElements = 1 << 16;
// Values read in all: nested arrays cannot multiply the work.
constexpr qint64 kMaxValues = 1 << 18;

// A field as the first struct of an array declares it.
struct Field {
    int type = 0; // 0x00 struct or array, 0x01 integer, 0x0a string
    QByteArray name;
    bool isArray = false;
    std::vector<Field> fields; // of the struct, or of the array's elements
};

// A value read: integers and strings by field name, arrays as their
// elements' values.
struct Value {
    qint64 integer = 0;
    QByteArray text;
    std::vector<std::pair<QByteArray, Value>> fields;
    std::vector<Value> elements;

    const Value *field(QByteArrayView name) const
    {
        for (const auto &[fieldName, value] : fields)
            if (fieldName == name)
                return &value;
        return nullptr;
    }
};

// The raw form of DEPDB_DATA: the first struct of every array declares
// its fields ("e0 <type> <name>\0 <value>", closed by f1-f4), later ones
// give only the values in that order. Closing bytes may close several
// levels at once; notes (f7 <n>, fb) may stand before an element or value.
class DeclaredReader
{
public:
    explicit DeclaredReader(PsbCursor &cursor)
        : m_cursor(cursor)
    {
    }

    // The top: "e0 00 <name>\0" and its struct.
    bool readTop(QByteArrayView name, Value &out)
    {
        Field top;
        if (m_cursor.byte() != 0xe0 || m_cursor.byte() != 0x00 || m_cursor.string() != name)
            return false;
        return declaredValue(top, out, 0);
    }

private:
    void skipNotes()
    {
        for (;;) {
            if (m_cursor.peek() == 0xfb) {
                m_cursor.byte();
            } else if (m_cursor.peek() == 0xf7) {
                m_cursor.byte();
                m_cursor.integer();
            } else {
                return;
            }
        }
    }

    // A closing byte: how many levels it closes; 0 when none stands next.
    qint64 closing()
    {
        const int next = m_cursor.peek();
        if (next >= 0xf1 && next <= 0xf3) {
            m_cursor.byte();
            return next - 0xf0;
        }
        if (next == 0xf4) {
            m_cursor.byte();
            const qint64 levels = m_cursor.integer();
            return levels > 0 ? levels : (m_cursor.fail(), 0);
        }
        return 0;
    }

    // A value whose field is declared now: a struct declares its fields.
    bool declaredValue(Field &field, Value &out, int depth)
    {
        if (depth > kMaxStructDepth)
            return false;
        skipNotes();
        if (field.type == 0x01) {
            out.integer = m_cursor.integer();
            return m_cursor.ok();
        }
        if (field.type == 0x0a) {
            if (m_cursor.peek() == 0xe1)
                m_cursor.byte();
            else
                out.text = m_cursor.string();
            return m_cursor.ok();
        }
        if (field.type != 0x00)
            return false;
        while (m_cursor.peek() >= 0xf1 && m_cursor.peek() <= 0xf3)
            m_cursor.byte(); // left over from the value before
        skipNotes();
        const int first = m_cursor.peek();
        if (first == 0xe1) {
            m_cursor.byte();
            return true;
        }
        if (first == 0xf8) {
            field.isArray = true;
            return array(field, out, depth);
        }
        if (first != 0xe2 && first != 0xe3)
            return false;
        m_cursor.byte();
        return declareStruct(field.fields, out, depth);
    }

    // Fields declared one by one up to a closing byte.
    bool declareStruct(std::vector<Field> &fields, Value &out, int depth)
    {
        for (;;) {
            skipNotes();
            if (const qint64 levels = closing(); levels > 0) {
                m_pendingCloses = levels - 1;
                return m_cursor.ok();
            }
            if (!m_cursor.ok() || m_cursor.byte() != 0xe0)
                return false;
            Field field;
            field.type = m_cursor.byte();
            field.name = m_cursor.string();
            if (!m_cursor.ok() || fields.size() > 64 || !counted())
                return false;
            out.fields.emplace_back(field.name, Value());
            if (!declaredValue(field, out.fields.back().second, depth + 1))
                return false;
            fields.push_back(field);
            if (m_pendingCloses > 0) {
                --m_pendingCloses;
                return true;
            }
        }
    }

    // "f8 <n>", then n elements: the first declares, the others follow it.
    bool array(Field &field, Value &out, int depth)
    {
        m_cursor.byte();
        const qint64 count = m_cursor.integer();
        if (!m_cursor.ok() || count < 0 || count > kMaxElements)
            return false;
        bool declared = false;
        for (qint64 i = 0; i < count; ++i) {
            skipNotes();
            if (!counted())
                return false;
            out.elements.emplace_back();
            const int start = m_cursor.byte();
            if (start == 0xe1)
                continue;
            if (start != 0xe2 && start != 0xe3)
                return false;
            if (!declared) {
                declared = true;
                if (!declareStruct(field.fields, out.elements.back(), depth + 1))
                    return false;
            } else if (!knownStruct(field.fields, out.elements.back(), depth + 1)) {
                return false;
            }
        }
        return m_cursor.ok();
    }

    // The values of a struct whose fields are known, in their order.
    bool knownStruct(const std::vector<Field> &fields, Value &out, int depth)
    {
        if (depth > kMaxStructDepth)
            return false;
        for (const Field &field : fields) {
            skipNotes();
            if (!counted())
                return false;
            out.fields.emplace_back(field.name, Value());
            Value &value = out.fields.back().second;
            if (field.type == 0x01) {
                value.integer = m_cursor.integer();
            } else if (field.type == 0x0a) {
                if (m_cursor.peek() == 0xe1)
                    m_cursor.byte();
                else
                    value.text = m_cursor.string();
            } else {
                const int start = m_cursor.peek();
                if (start == 0xe1) {
                    m_cursor.byte();
                } else if (field.isArray) {
                    Field copy = field;
                    if (start != 0xf8 || !array(copy, value, depth + 1))
                        return false;
                } else {
                    if (start != 0xe2 && start != 0xe3)
                        return false;
                    m_cursor.byte();
                    if (!knownStruct(field.fields, value, depth + 1))
                        return false;
                }
            }
            if (!m_cursor.ok())
                return false;
        }
        return true;
    }

    // False once too many values were read.
    bool counted() { return ++m_values <= kMaxValues; }

    PsbCursor &m_cursor;
    qint64 m_pendingCloses = 0;
    qint64 m_values = 0;
};

QString lowerName(const QByteArray &stored)
{
    return QString::fromUtf8(stored);
}

} // namespace

// model_db names the objects (type number, name, generic); dep_db says
// which of them are used how, by their index in model_db.
bool fromDepDb(QByteArrayView payload, QList<Dependency> &out)
{
    PsbCursor cursor(payload);
    Value top;
    if (!DeclaredReader(cursor).readTop("p_dep_db", top))
        return false;
    // A drawing's and a part's data often hold no list at all.
    const Value *dependencies = top.field("dep_db");
    const Value *models = top.field("model_db");
    if (!dependencies)
        return true;
    QList<Dependency> found;
    for (const Value &dependency : dependencies->elements) {
        const Value *index = dependency.field("to_model_id");
        const Value *depType = dependency.field("dep_type");
        if (!index || !depType)
            continue; // an empty element
        if (index->integer < 0)
            continue; // the object itself
        if (!models || index->integer >= qint64(models->elements.size()))
            return false;
        const Value &model = models->elements.at(size_t(index->integer));
        const Value *type = model.field("model_t_type");
        const Value *name = model.field("model_name");
        const Value *generic = model.field("generic_name");
        if (!type || !name || name->text.isEmpty() || typeOfNumber(type->integer).isEmpty())
            return false;
        found.append(Dependency{lowerName(name->text), typeOfNumber(type->integer),
                                generic ? lowerName(generic->text) : QString(), int(depType->integer)});
    }
    out += found;
    return true;
}

// "e0 00 Models\0 e2 e0 0a model_names\0 f8 <n> <n strings> f1"
bool fromDrawingModels(QByteArrayView payload, QList<Dependency> &out)
{
    PsbCursor cursor(payload);
    if (!cursor.skipIf(QByteArrayLiteral("\xe0\x00Models\0")))
        return false;
    if (const int start = cursor.byte(); start != 0xe2 && start != 0xe3)
        return false;
    if (cursor.peek() >= 0xf1 && cursor.peek() <= 0xf4)
        return true; // no models
    if (!cursor.skipIf(QByteArrayLiteral("\xe0\x0amodel_names\0")) || cursor.byte() != 0xf8)
        return false;
    const qint64 count = cursor.integer();
    if (!cursor.ok() || count < 0 || count > kMaxElements)
        return false;
    QList<Dependency> found;
    for (qint64 i = 0; i < count; ++i) {
        if (const qint64 more = cursor.repeats(); more > 0) {
            if (found.isEmpty() || more > count - i)
                return false;
            for (qint64 k = 0; k < more; ++k)
                found.append(found.last());
            i += more - 1;
            continue;
        }
        const QString stored = QString::fromUtf8(cursor.string());
        const qsizetype dot = stored.lastIndexOf(u'.');
        if (!cursor.ok() || dot <= 0 || dot == stored.size() - 1)
            return false;
        found.append(Dependency{stored.left(dot), stored.mid(dot + 1).toLower(), {}, 4});
    }
    out += found;
    return true;
}

} // namespace DependencySources
