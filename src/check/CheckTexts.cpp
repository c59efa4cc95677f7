#include "check/CheckTexts.h"

#include "common/Counted.h"
#include "common/ShownName.h"
#include "lists/NameListOps.h"

#include <QStringBuilder>

using namespace Qt::StringLiterals;

namespace CheckTexts {

namespace {

QString side(bool oldName)
{
    return oldName ? u"alter Name"_s : u"neuer Name"_s;
}

// A character as the user can read it in a one-line message.
QString described(const QString &character)
{
    const char32_t c = character.toUcs4().value(0);
    if (QChar::category(c) == QChar::Other_Control)
        return u"Steuerzeichen "_s + ShownName::codePoint(c);
    if (ShownName::isHidden(c))
        return u"unsichtbares Zeichen "_s + ShownName::codePoint(c);
    if (c == U' ')
        return u"Leerzeichen"_s;
    return u"„"_s + character + u"“"_s;
}

// The finding stays one short line that a terminal shows as it is.
QString named(const QString &message, QStringView name)
{
    return message % u": "_s % ShownName::of(name);
}

QString counts(qsizetype errors, qsizetype warnings)
{
    QStringList parts;
    if (errors > 0)
        parts << Counted::text(errors, u"Fehler"_s, u"Fehler"_s);
    if (warnings > 0)
        parts << Counted::text(warnings, u"Warnung"_s, u"Warnungen"_s);
    return parts.join(u", "_s);
}

QString line(qsizetype row)
{
    return QString::number(row + 1);
}

} // namespace

QString findingLine(qsizetype row, NameCheck::Severity severity, const QString &message)
{
    const QString kind = severity == NameCheck::Severity::Error ? u"Fehler"_s : u"Warnung"_s;
    // Built in one piece: a full list can have a finding on every row.
    return u"Zeile "_s % line(row) % u": "_s % kind % u": "_s % message;
}

QString empty(bool oldName)
{
    return side(oldName) + u" leer"_s;
}

QString noBase(bool oldName, const QString &name)
{
    return named(side(oldName) + u" ohne Grundnamen (nichts vor der Endung)"_s, name);
}

QString lineBreak(bool oldName, const QString &character, const QString &name)
{
    return named(side(oldName) + u" beendet die Mapkey-Zeile ("_s + described(character) + u')', name);
}

QString unrepresentable(bool oldName, const QString &character, const QString &name)
{
    return named(side(oldName) + u" enthält ein Zeichen außerhalb von Windows-1252 ("_s + described(character) + u')',
                 name);
}

QString path(const QString &character, const QString &name)
{
    return named(u"neuer Name ist ein Pfad ("_s + described(character) + u"), erlaubt ist nur ein Name"_s, name);
}

QString twice(bool oldName, qsizetype otherRow, qsizetype otherRows, const QString &name)
{
    QString rows = u"auch Zeile "_s + line(otherRow);
    if (otherRows > 1)
        rows += u", insgesamt "_s + QString::number(otherRows + 1) + u"-mal"_s;
    return named(side(oldName) + u" doppelt ("_s + rows + u')', name);
}

QString ring(qsizetype nextRow, const QString &name)
{
    return named(u"Ring: neuer Name ist alter Name von Zeile "_s + line(nextRow)
                     + u", nur über einen Zwischennamen in zwei Läufen möglich"_s,
                 name);
}

QString chain(qsizetype laterRow, const QString &name)
{
    return named(u"Kette: neuer Name ist alter Name der späteren Zeile "_s + line(laterRow)
                     + u", die zuerst laufen muss (Reihenfolge ordnen)"_s,
                 name);
}

QString unchanged(const QString &name)
{
    return named(u"neuer Name gleich dem alten"_s, name);
}

QString tooLong(qsizetype length, const QString &name)
{
    return named(u"neuer Name länger als 31 Zeichen ("_s + QString::number(length) + u')', name);
}

QString badCharacter(const QString &character, const QString &name)
{
    return named(u"neuer Name enthält ein unzulässiges Zeichen ("_s + described(character) + u')', name);
}

QString leadingHyphen(const QString &name)
{
    return named(u"neuer Name beginnt mit „-“"_s, name);
}

QString otherType(QStringView newExtension, QStringView oldExtension, const QString &name)
{
    const QString was = oldExtension.isEmpty() ? u"keiner Endung"_s : ShownName::of(oldExtension);
    return named(u"neuer Name hat einen anderen Typ ("_s + ShownName::of(newExtension) + u" statt "_s + was + u')',
                 name);
}

QString severalExtensions(const QString &name)
{
    return named(u"neuer Name hat mehr als eine Endung"_s, name);
}

QString emptyExtension(const QString &name)
{
    return named(u"neuer Name hat eine leere Endung (Punkt am Ende)"_s, name);
}

QString versionNumber(QStringView version, const QString &name)
{
    return named(u"neuer Name hat eine Versionsnummer („"_s % version % u"“), die Pro/ENGINEER selbst vergibt"_s, name);
}

QString summary(qsizetype errors, qsizetype warnings, const QString &against, qsizetype oldCount, qsizetype newCount)
{
    const QString head = against.isEmpty() ? u"Prüfung: "_s : u"Prüfung "_s + against + u": "_s;
    const bool found = errors > 0 || warnings > 0;
    if (oldCount != newCount)
        return head + NameListOps::countsDifferMessage(oldCount, newCount)
            + (found ? u"; "_s + counts(errors, warnings) : QString());
    if (!found)
        return head + u"keine Befunde"_s;
    return head + counts(errors, warnings);
}

QString question(qsizetype errors, qsizetype warnings, const QStringList &firstLines, qsizetype moreLines,
                 const QString &notChecked)
{
    QStringList paragraphs;
    if (!notChecked.isEmpty())
        paragraphs << notChecked;
    if (errors + warnings > 0) {
        QString found = u"Die Prüfung der Namen meldet "_s + counts(errors, warnings) + u":\n\n"_s
            + firstLines.join(u'\n');
        if (moreLines > 0)
            found += u"\n… und "_s + Counted::text(moreLines, u"weiterer Befund"_s, u"weitere Befunde"_s);
        paragraphs << found;
    }
    return paragraphs.join(u"\n\n"_s) + u"\n\nrename.pro trotzdem erstellen?"_s;
}

QString orderStatus(qsizetype moved, bool ringsRemain)
{
    QString text = moved == 0
        ? u"Reihenfolge unverändert"_s
        : u"Reihenfolge geordnet: "_s + Counted::text(moved, u"Paar"_s, u"Paare"_s) + u" verschoben"_s;
    if (ringsRemain)
        text += u"; Ringe bleiben, siehe Prüfung"_s;
    return text;
}

QString missingInFolder(const QString &name)
{
    return named(u"alter Name ist kein Objekt des Ordners"_s, name);
}

QString takenInFolder(const QString &object, const QString &name)
{
    return named(u"neuer Name im Ordner schon vergeben ("_s % object % u')', name);
}

QString drawingLeftBehind(const QString &drawing, const QString &name)
{
    return named(u"Zeichnung "_s % drawing % u" bleibt zurück, sie ist nicht in der Liste (Zeichnungen ergänzen)"_s,
                 name);
}

} // namespace CheckTexts
