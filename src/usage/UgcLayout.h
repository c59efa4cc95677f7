#pragma once

#include "usage/ObjectUse.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

// The frame of an object file: the text header on line 1, the optional
// ASCII block before the banner line, and the table of contents after it,
// whose offsets count from the banner line. Reading it touches the start,
// the table and the last bytes of the file, nothing else.
class UgcLayout
{
public:
    struct Section {
        QByteArray name;
        qint64 offset = 0;   // from the file's start, where "#<name>\n" begins
        qint64 stored = 0;   // with the "#<name>\n" line
        qint64 expanded = 0; // of the payload; 0 or 1 when not known
        bool compressed = false;
        quint16 sum = 0; // of the stored payload's bytes
    };

    // Reads the frame of `file`; ok() tells whether it was whole.
    explicit UgcLayout(QIODevice &file);

    bool ok() const { return m_reason.isEmpty(); }
    // Why the frame could not be read, in German; empty when it could.
    const QString &reason() const { return m_reason; }
    ObjectUse::FileKind kind() const { return m_kind; }
    // The writer's release number (line 1, first number); 0 when not read.
    int revision() const { return m_revision; }
    // The ASCII block "#P_OBJECT" … "#END_OF_P_OBJECT", empty when none.
    const QByteArray &pObject() const { return m_pObject; }
    const QList<Section> &sections() const { return m_sections; }

    // The payload of `section`, expanded when it is compressed; false with
    // reason() set when it is damaged or larger than a section can be.
    bool payload(const Section &section, QByteArray &out);

private:
    bool readHeader();
    bool readBinaryToc(qint64 tocStart);
    bool readLegacyToc(qint64 tocStart);
    bool addSection(const QList<QByteArray> &fields);
    bool fail(const QString &reason);
    QByteArray readAt(qint64 offset, qint64 length);
    QByteArray lineAt(qint64 offset, qint64 maxLength);

    QIODevice &m_file;
    // The file's first bytes, read at once: the header, the table and
    // mostly the list lie within them.
    QByteArray m_head;
    qint64 m_size = 0;
    qint64 m_banner = 0;
    int m_revision = 0;
    ObjectUse::FileKind m_kind = ObjectUse::FileKind::NotAnObject;
    QByteArray m_pObject;
    QList<Section> m_sections;
    QString m_reason;
};
