#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// What the generator builds the body of every mapkey from, one body per
// role: the rename mapkey "umbN" (a place for the old and one for the new
// name), each entry of "saveALLNow" and "saveASMNow" (open, save, close;
// a place for one name) and each entry of "CallALLNow" (open, close; a
// place for one name). A body is whole continuation lines, each
// "mapkey(continued) " … "\" CR LF; the head lines, the closing line and
// the master mapkey "rename" are the generator's own and never change.
//
// The built-in set is the program's own templates. A set recorded in the
// user's own version of Pro/ENGINEER is another value of the same kind
// (RecordedTemplates makes it), so that both go through one generator.
class TemplateSet
{
public:
    // Fixed text between names, kept both as text (for the output field)
    // and as the bytes of rename.pro, so that neither is converted per pair.
    class Piece
    {
    public:
        Piece() = default;
        const QString &text() const { return m_text; }
        QByteArrayView bytes() const { return m_bytes; }
        qsizetype size() const { return m_text.size(); }

    private:
        friend class TemplateSet;
        QString m_text;
        QByteArray m_bytes;
    };

    // The bodies cut at their names.
    struct Texts {
        QString renameBeforeOld;
        QString renameBeforeNew;
        QString renameAfterNew;
        QString saveBefore;
        QString saveAfter;
        QString openBefore;
        QString openAfter;
    };

    // Nothing when a text holds a character that Windows-1252 cannot hold.
    static std::optional<TemplateSet> fromTexts(const Texts &texts);
    static const TemplateSet &builtIn();

    const Piece &renameBeforeOld() const { return m_pieces[0]; }
    const Piece &renameBeforeNew() const { return m_pieces[1]; }
    const Piece &renameAfterNew() const { return m_pieces[2]; }
    const Piece &saveBefore() const { return m_pieces[3]; }
    const Piece &saveAfter() const { return m_pieces[4]; }
    const Piece &openBefore() const { return m_pieces[5]; }
    const Piece &openAfter() const { return m_pieces[6]; }

    // The three bodies with `oldName` and `newName` in their places.
    QString renameBody(const QString &oldName, const QString &newName) const;
    QString saveBody(const QString &name) const;
    QString openBody(const QString &name) const;

private:
    TemplateSet() = default;

    Piece m_pieces[7];
};
