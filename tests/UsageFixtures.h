#pragma once

// Object files as Pro/ENGINEER writes them, made by the tests: the LZW
// stream of Unix `compress`, the frame (header, table of contents,
// sections, end mark) and each form in which a generation keeps the list
// of used objects. Shared by the tests and the fuzzer's seeds.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

namespace UsageFixtures {

// What `compress -b maxBits` writes: codes of 9 bits and more, least
// significant bit first, each width's codes padded to a group of eight;
// with a full table in block mode a clear code starts it again.
inline QByteArray compress(const QByteArray &data, int maxBits = 16, bool blockMode = true)
{
    QByteArray out("\x1f\x9d", 2);
    out.append(char(maxBits | (blockMode ? 0x80 : 0)));
    qint64 bit = 0, groupStart = 0;
    int bits = 9;
    QByteArray codes;
    const auto put = [&](int code) {
        for (int i = 0; i < bits; ++i, ++bit) {
            if (bit / 8 >= codes.size())
                codes.append('\0');
            if (code & (1 << i))
                codes[bit / 8] = char(codes[bit / 8] | (1 << (bit % 8)));
        }
    };
    const auto padGroup = [&] {
        const qint64 group = qint64(bits) * 8;
        bit = groupStart + (bit - groupStart + group - 1) / group * group;
        while (codes.size() < bit / 8)
            codes.append('\0');
        groupStart = bit;
    };
    const int firstFree = blockMode ? 257 : 256;
    int freeEntry = firstFree;
    QHash<qint64, int> table;
    const auto write = [&](int code) {
        if (bits < maxBits && freeEntry >= (1 << bits) + 1) {
            padGroup();
            ++bits;
        }
        put(code);
    };
    if (data.isEmpty())
        return out;
    int current = uchar(data.at(0));
    for (qsizetype i = 1; i < data.size(); ++i) {
        const int next = uchar(data.at(i));
        const qint64 key = qint64(current) << 8 | next;
        if (const auto found = table.constFind(key); found != table.constEnd()) {
            current = *found;
            continue;
        }
        write(current);
        current = next;
        if (freeEntry < (1 << maxBits)) {
            table.insert(key, freeEntry++);
        } else if (blockMode) {
            write(256);
            padGroup();
            bits = 9;
            freeEntry = firstFree;
            table.clear();
        }
    }
    write(current);
    return out + codes;
}

inline QByteArray hex(qint64 value)
{
    return QByteArray::number(value, 16);
}

inline quint16 byteSum(const QByteArray &bytes)
{
    quint16 sum = 0;
    for (const char byte : bytes)
        sum = quint16(sum + uchar(byte));
    return sum;
}

struct Section {
    Section() = default;
    Section(const QByteArray &name, const QByteArray &payload, bool compressed = false, qint64 expandedColumn = -1)
        : name(name)
        , payload(payload)
        , compressed(compressed)
        , expandedColumn(expandedColumn)
    {
    }

    QByteArray name;
    QByteArray payload;
    bool compressed = false;
    // The expanded length column; -1 for the real length.
    qint64 expandedColumn = -1;
    // Stored as they are, in place of the payload (compressed or not).
    QByteArray storedAsIs;
};

struct ObjectFile {
    QByteArray type = "ASSEMBLY";
    int revision = 1869;
    QByteArray pObject; // the ASCII block, with its first and last line
    bool legacyToc = false;
    // Rows of a table before NEXT_TOC_ENTRY chains the next; 0 for one table.
    int rowsPerTable = 0;
    QList<Section> sections;
};

inline QByteArray padded(QByteArray row, qsizetype length)
{
    row.append(QByteArray(length - 1 - row.size(), '#'));
    return row + '\n';
}

// Header, ASCII block, banner, table(s), sections, further tables, end mark.
inline QByteArray write(const ObjectFile &file)
{
    QByteArray tail = "#- VERS 0 0 \\\n#- MACH _Windows \\\n#-END_OF_UGC_HEADER\n" + file.pObject;
    QByteArray head = "#UGC:2 " + file.type + ' ' + QByteArray::number(file.revision)
        + " 1160 800 1 1 15 3500 2016510 ";
    const qint64 banner = head.size() + 8 + 3 + tail.size();
    head += QByteArray::number(banner, 16).rightJustified(8, '0') + " \\\n" + tail;
    const QByteArray bannerLine = "#Creo  TM  4.0  (c) 2017 by the maker.  All Rights Reserved.\n";

    QList<QByteArray> stored;
    for (const Section &section : file.sections) {
        const QByteArray body = !section.storedAsIs.isEmpty() ? section.storedAsIs
            : section.compressed                              ? compress(section.payload)
                                                              : section.payload;
        stored.append(body);
    }
    const qsizetype count = file.sections.size();
    const int perTable = file.rowsPerTable > 0 ? file.rowsPerTable : int(count);
    const qsizetype tables = std::max<qsizetype>(1, (count + perTable - 1) / std::max(perTable, 1));
    const auto rowsIn = [&](qsizetype table) {
        const qsizetype rows = std::min<qsizetype>(perTable, count - table * perTable);
        return rows + (table + 1 < tables ? 1 : 0);
    };
    QByteArray legacyHead = "@Toc 39 0\n0 39 ->\n@entry 40 10\n1 40 [" + QByteArray::number(count) + "]\n";
    const qint64 firstTable = file.legacyToc ? legacyHead.size() + count * 81 : (rowsIn(0) + 1) * 81;
    // Offsets from the banner line.
    qint64 offset = bannerLine.size() + firstTable;
    QList<QByteArray> rows;
    for (qsizetype i = 0; i < count; ++i) {
        const Section &section = file.sections.at(i);
        const QByteArray name = '#' + section.name + '\n';
        const qint64 expanded = section.expandedColumn >= 0 ? section.expandedColumn : section.payload.size();
        rows.append(section.name + ' ' + hex(offset) + ' ' + hex(name.size() + stored.at(i).size()) + ' '
                    + hex(expanded) + ' ' + QByteArray::number(file.revision) + " a "
                    + (section.compressed ? "1" : "-1") + ' ' + hex(byteSum(stored.at(i))).rightJustified(4, '0')
                    + " 0000");
        offset += name.size() + stored.at(i).size() + 2;
    }
    QByteArray sections;
    for (qsizetype i = 0; i < count; ++i)
        sections += '#' + file.sections.at(i).name + '\n' + stored.at(i) + "#\n";

    QByteArray toc;
    if (file.legacyToc) {
        toc = legacyHead;
        for (const QByteArray &row : rows)
            toc += padded("2 40 " + row, 81);
        return head + bannerLine + toc + sections + "#END_OF_UGC\n";
    }
    QByteArray later; // the tables after the first, behind the sections
    qint64 laterOffset = offset;
    for (qsizetype table = 0; table < tables; ++table) {
        QByteArray block = padded("#UGC_TOC 2 " + QByteArray::number(rowsIn(table)) + " 81 17", 81);
        for (qsizetype i = table * perTable; i < std::min<qsizetype>(count, (table + 1) * perTable); ++i)
            block += padded(rows.at(i), 81);
        if (table + 1 < tables) {
            const qint64 next = laterOffset + (table == 0 ? 0 : block.size() + 81);
            block += padded("NEXT_TOC_ENTRY " + hex(next) + ' ' + hex((rowsIn(table + 1) + 1) * 81)
                                + " 0 1869 1 -1 0000 0000",
                            81);
        }
        if (table == 0)
            toc = block;
        else
            later += block, laterOffset += block.size();
    }
    return head + bannerLine + toc + sections + later + "#END_OF_UGC\n";
}

// One used object as the generations store it.
struct Dep {
    Dep(const QByteArray &name, const QByteArray &type, const QByteArray &generic = {}, int depType = 2)
        : name(name)
        , type(type)
        , generic(generic)
        , depType(depType)
    {
    }

    QByteArray name; // as stored, upper case
    QByteArray type; // "prt"
    QByteArray generic;
    int depType = 2;
};

// "ND:0:Model_J03", "_L01", "_L03_D": a length, then SOAP.
inline QByteArray xml(const QList<Dep> &deps)
{
    QByteArray items;
    for (const Dep &dep : deps) {
        items += "<item xsi:type=\"uwgm:Dependency_L03_i\"><ToModelDescriptor><Name>" + dep.name.toLower()
            + "</Name><Type>" + dep.type + "</Type><SubType/>"
            + (dep.generic.isEmpty() ? QByteArray() : "<LibraryName>" + dep.generic.toLower() + "</LibraryName>")
            + "</ToModelDescriptor><ToModelNameAsStored>" + dep.name + "</ToModelNameAsStored><DepType>"
            + QByteArray::number(dep.depType) + "</DepType><CompCount>1</CompCount></item>\n";
    }
    const QByteArray document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope "
        "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:uwgm=\"urn:m\">\n<SOAP-ENV:Body>\n<Top>"
        "<Descriptor><Name>self</Name><Type>asm</Type></Descriptor>\n<Dependencies><Dependencies>\n"
        + items + "</Dependencies></Dependencies>\n</Top>\n</SOAP-ENV:Body>\n</SOAP-ENV:Envelope>\n";
    return "    " + hex(document.size()).toUpper() + '\n' + document;
}

inline QByteArray bytes(std::initializer_list<char> list)
{
    return QByteArray(list.begin(), qsizetype(list.size()));
}

// The packed integers of the binary forms.
inline QByteArray psbInteger(qint64 value)
{
    if (value == -1)
        return "\xf6";
    if (value < 0)
        return "\xf5" + psbInteger(-value);
    if (value < 0x80)
        return QByteArray(1, char(value));
    if (value < 0x4000)
        return bytes({char(0x80 | value >> 8), char(value & 0xff)});
    if (value < 0x200000)
        return bytes({char(0xc0 | value >> 16), char(value >> 8 & 0xff), char(value & 0xff)});
    return bytes(
        {char(0xeb), char(value >> 24), char(value >> 16 & 0xff), char(value >> 8 & 0xff), char(value & 0xff)});
}

inline QByteArray psbString(const QByteArray &text)
{
    return (!text.isEmpty() && uchar(text.at(0)) >= 0xe0 ? QByteArray("\xe8") : QByteArray()) + text
        + QByteArray(1, '\0');
}

// A sequence "f8 <n>" whose runs of equal items are written as repeats.
inline QByteArray psbSequence(const QList<QByteArray> &items)
{
    QByteArray out = "\xf8" + psbInteger(items.size());
    for (qsizetype i = 0; i < items.size();) {
        qsizetype run = 1;
        while (i + run < items.size() && items.at(i + run) == items.at(i))
            ++run;
        out += items.at(i);
        const qsizetype more = run - 1;
        if (more >= 1 && more <= 3)
            out += char(0xe3 + more);
        else if (more > 3)
            out += "\xe7" + psbInteger(more);
        i += run;
    }
    return out;
}

// "ND:0:Model_L05_PX:1" and the like: a tree of letters, the integers they
// take and a pool of strings. `placeholder` adds an item that names nothing;
// `genericAsStored` keeps the generic only as the item's stored name.
inline QByteArray tokens(const QList<Dep> &deps, bool placeholder = false, bool genericAsStored = false)
{
    QList<QByteArray> letters, integers, pool;
    const auto text = [&](const QByteArray &s) -> qint64 {
        if (s.isEmpty())
            return -1;
        qsizetype at = pool.indexOf(s);
        if (at < 0) {
            pool.append(s);
            at = pool.size() - 1;
        }
        return at;
    };
    const auto letter = [&](char l) { letters.append(QByteArray(1, l)); };
    const auto integer = [&](qint64 v) { integers.append(psbInteger(v)); };
    const auto field = [&](const QByteArray &name) { letter('O'), integer(text(name)); };
    const auto string = [&](const QByteArray &name, const QByteArray &value) {
        field(name), letter('I'), integer(text(value));
    };
    letter('M'), integer(text("Model_L05_PX"));
    string("Name", "self");
    field("Dependencies_P"), letter('M'), integer(text("ModelDependencies_L05_P"));
    field("Dependencies_P"), letter('P'), integer(deps.size() + (placeholder ? 1 : 0));
    if (placeholder) {
        letter('Q'), letter('M'), integer(text("Dependency_L05_P"));
        field("ToModelDescriptor"), letter('N');
        string("ToModelNameAsStored", {});
        field("DepType"), letter('F'), integer(-1);
        letter('C');
    }
    for (const Dep &dep : deps) {
        letter('Q'), letter('M'), integer(text("Dependency_L05_P"));
        field("ToModelDescriptor"), letter('M'), integer(text("ModelDescriptor"));
        string("Name", dep.name.toLower());
        string("LibraryName", genericAsStored ? QByteArray() : dep.generic.toLower());
        string("Type", dep.type);
        field("RevNum"), letter('H');
        letter('C');
        string("ToModelNameAsStored", dep.name);
        if (genericAsStored)
            string("ToLibraryNameAsStored", dep.generic);
        field("DepType"), letter('F'), integer(dep.depType);
        letter('C');
    }
    letter('R'), letter('C'), letter('C'), letter('C');
    QList<QByteArray> strings;
    for (const QByteArray &s : std::as_const(pool))
        strings.append(psbString(s));
    return QByteArray("\xe0\x00PSB_Tokens\0\xe2\xe0\x01"
                      "format\0\0",
                      24)
        + QByteArray("\xe0\x04type_har\0", 11) + psbSequence(letters) + QByteArray("\xe0\x01int_har\0", 10)
        + psbSequence(integers)
        + QByteArray("\xe0\x02"
                     "double_xar\0\xf8\x00",
                     15)
        + QByteArray("\xe0\x03string_xar\0", 13) + psbSequence(strings);
}

// "DEPDB_DATA": dep_db refers to model_db by index; the first element of
// each array declares its fields. A record of the object itself (-3) is
// left out of the list.
inline QByteArray depDb(const QList<Dep> &deps)
{
    QByteArray out("\xe0\x00p_dep_db\0\xe3\xe0\x00"
                   "dep_db\0",
                   21);
    out += "\xf8" + psbInteger(deps.size() + 1) + "\xf7\x02\xfb\xe3";
    out += QByteArray("\xe0\x01to_model_id\0", 14) + psbInteger(-3)
        + QByteArray("\xe0\x01"
                     "dep_type\0",
                     11)
        + psbInteger(4) + "\xf1";
    for (qsizetype i = 0; i < deps.size(); ++i)
        out += "\xf7\x02\xe3" + psbInteger(i) + psbInteger(deps.at(i).depType == 32768 ? 2 : deps.at(i).depType);
    out += QByteArray("\xe0\x00model_db\0\xf2", 12) + "\xf8" + psbInteger(deps.size());
    const auto typeNumber = [](const QByteArray &type) {
        return type == "asm" ? 1 : type == "prt" ? 2 : type == "drw" ? 4 : 33;
    };
    for (qsizetype i = 0; i < deps.size(); ++i) {
        const Dep &dep = deps.at(i);
        const QByteArray generic = dep.generic.isEmpty() ? QByteArray("\xe1") : psbString(dep.generic);
        if (i == 0)
            out += "\xf7\x07\xfb\xe3" + QByteArray("\xe0\x01model_t_type\0", 15) + psbInteger(typeNumber(dep.type))
                + QByteArray("\xe0\x0amodel_name\0", 13) + psbString(dep.name)
                + QByteArray("\xe0\x0ageneric_name\0", 15) + generic + QByteArray("\xe0\x00stamp\0\xe2\xf2", 10);
        else
            out += "\xf7\x07\xe3" + psbInteger(typeNumber(dep.type)) + psbString(dep.name) + generic + "\xe2";
    }
    return out + "\xf4\x04";
}

// A drawing's "Dwg_Models": its models, upper case with their extension.
inline QByteArray drawingModels(const QList<QByteArray> &models)
{
    QList<QByteArray> names;
    for (const QByteArray &model : models)
        names.append(psbString(model));
    return QByteArray("\xe0\x00Models\0\xe2\xe0\x0amodel_names\0", 24) + psbSequence(names) + "\xf1";
}

// The ASCII block of the files up to Wildfire 4: field ids declared where
// first used, records by depth.
inline QByteArray pObject(const QList<Dep> &deps)
{
    QByteArray out = "#P_OBJECT 6\n@P_object 1 0\n0 1 ->\n@depend 2 0\n1 2 [" + QByteArray::number(deps.size()) + "]\n";
    const auto typeNumber = [](const QByteArray &type) {
        return type == "asm" ? "1" : type == "prt" ? "2" : type == "drw" ? "4" : "33";
    };
    for (qsizetype i = 0; i < deps.size(); ++i) {
        const Dep &dep = deps.at(i);
        out += "2 2 \n";
        out += (i == 0 ? "@model_name 3 10\n" : "") + QByteArray("3 3 ") + dep.name + '\n';
        out += (i == 0 ? "@model_type 4 1\n" : "") + QByteArray("3 4 ") + typeNumber(dep.type) + '\n';
        out += (i == 0 ? "@dep_type 5 1\n@stamp 6 0\n" : "") + QByteArray("3 5 ") + QByteArray::number(dep.depType)
            + "\n3 6 \n";
        out += (i == 0 ? "@vers 7 1\n" : "") + QByteArray("4 7 0\n");
    }
    out += "@model_db 8 0\n1 8 [" + QByteArray::number(deps.size()) + "]\n";
    for (qsizetype i = 0; i < deps.size(); ++i) {
        out += "2 8 \n3 3 " + deps.at(i).name + '\n';
        out += (i == 0 ? "@generic_name 9 10\n" : "") + QByteArray("3 9 ") + deps.at(i).generic + '\n';
    }
    return out + "@matrix 10 0\n1 10 \n$3*C06FCA906689B97F\n#END_OF_P_OBJECT\n";
}

// A Creo 4 object file whose list names `deps`, compressed as Creo writes
// it: an assembly by default, "DRAWING" or "PART" as `type` says.
inline QByteArray creo4Object(const QList<Dep> &deps, const QByteArray &type = "ASSEMBLY")
{
    ObjectFile file;
    file.type = type;
    file.sections = {{"ND:0:Model_L05_PX:1", tokens(deps), true}};
    return write(file);
}

} // namespace UsageFixtures
