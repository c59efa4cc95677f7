#include "usage/DependencySources.h"

#include <QHash>
#include <QList>

using namespace Qt::StringLiterals;

namespace DependencySources {

namespace {

constexpr qsizetype kMaxLines = 1 << 20;

struct Line {
    int depth = 0;
    QByteArray field;
    QByteArray value;
};

struct Record {
    QByteArray name;
    qint64 type = -1;
    int depType = 0;
    QByteArray generic;
};

// The records of the array field `array` ("depend", "model_db"): each
// element at the array's depth + 1, its fields one level deeper.
bool readArray(const QList<Line> &lines, QByteArrayView array, QList<Record> &records, bool &present)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).field != array || !lines.at(i).value.startsWith('['))
            continue;
        present = true;
        const int depth = lines.at(i).depth;
        for (++i; i < lines.size() && lines.at(i).depth > depth; ++i) {
            const Line &line = lines.at(i);
            if (line.depth == depth + 1) {
                if (line.field != array)
                    return false;
                records.append(Record());
            } else if (line.depth == depth + 2 && !records.isEmpty()) {
                Record &record = records.last();
                bool ok = true;
                if (line.field == "model_name")
                    record.name = line.value;
                else if (line.field == "generic_name")
                    record.generic = line.value;
                else if (line.field == "model_type")
                    record.type = line.value.toLongLong(&ok);
                else if (line.field == "dep_type")
                    record.depType = line.value.toInt(&ok);
                if (!ok)
                    return false;
            }
        }
        return true;
    }
    return true;
}

} // namespace

QString typeOfNumber(qint64 number)
{
    switch (number) {
    case 1:
        return u"asm"_s;
    case 2:
        return u"prt"_s;
    case 4:
        return u"drw"_s;
    case 33:
        return u"frm"_s;
    default:
        return {};
    }
}

// Lines "@<field> <id> <type>" name the field ids; data lines
// "<depth> <id> [<value>]" form a tree by their depth.
bool fromPObject(QByteArrayView block, QList<Dependency> &out)
{
    QHash<QByteArray, QByteArray> fieldOfId;
    QList<Line> lines;
    const QList<QByteArray> rows = block.toByteArray().split('\n');
    if (rows.size() > kMaxLines)
        return false;
    for (const QByteArray &row : rows) {
        // Comments, and the doubles of the line before, in hexadecimal.
        if (row.startsWith('#') || row.startsWith('$') || row.isEmpty())
            continue;
        if (row.startsWith('@')) {
            const QList<QByteArray> cells = row.mid(1).split(' ');
            if (cells.size() >= 2)
                fieldOfId.insert(cells.at(1), cells.at(0));
            continue;
        }
        const qsizetype first = row.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : row.indexOf(' ', first + 1);
        bool ok = false;
        Line line;
        line.depth = row.left(first).toInt(&ok);
        if (!ok || first < 0 || line.depth < 0)
            return false;
        const QByteArray id = second < 0 ? row.mid(first + 1) : row.mid(first + 1, second - first - 1);
        line.field = fieldOfId.value(id);
        line.value = second < 0 ? QByteArray() : row.mid(second + 1).trimmed();
        lines.append(line);
    }

    QList<Record> depends, models;
    bool hasDepend = false, hasModels = false;
    if (!readArray(lines, "depend", depends, hasDepend) || !readArray(lines, "model_db", models, hasModels))
        return false;
    QHash<QByteArray, QByteArray> genericOf;
    for (const Record &model : std::as_const(models))
        if (!model.generic.isEmpty())
            genericOf.insert(model.name, model.generic);
    QList<Dependency> found;
    for (const Record &record : std::as_const(depends)) {
        const QString type = typeOfNumber(record.type);
        if (record.name.isEmpty() || type.isEmpty())
            return false;
        found.append(Dependency{QString::fromUtf8(record.name), type, QString::fromUtf8(genericOf.value(record.name)),
                                record.depType});
    }
    out += found;
    return true;
}

} // namespace DependencySources
