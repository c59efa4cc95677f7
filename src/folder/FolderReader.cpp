#include "folder/FolderReader.h"

#include "common/Counted.h"
#include "folder/FolderSnapshot.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace FolderReader {

namespace {

// The types as the status line names them, singular and plural.
const QList<std::pair<QString, QString>> &typeWords()
{
    static const QList<std::pair<QString, QString>> words{{u"Teil"_s, u"Teile"_s},
                                                          {u"Baugruppe"_s, u"Baugruppen"_s},
                                                          {u"Zeichnung"_s, u"Zeichnungen"_s},
                                                          {u"Format"_s, u"Formate"_s},
                                                          {u"Layout"_s, u"Layouts"_s},
                                                          {u"Skizze"_s, u"Skizzen"_s},
                                                          {u"Fertigungsmodell"_s, u"Fertigungsmodelle"_s}};
    return words;
}

} // namespace

const QStringList &objectTypes()
{
    static const QStringList types{u"prt"_s, u"asm"_s, u"drw"_s, u"frm"_s, u"lay"_s, u"sec"_s, u"mfg"_s};
    return types;
}

Result read(const QString &folder, const Options &options)
{
    return FolderSnapshot(folder).select(options);
}

QString unreadableText(qsizetype count)
{
    return Counted::text(count, u"Dateiname"_s, u"Dateinamen"_s) + u" nicht lesbar"_s;
}

QString readingText(qsizetype files)
{
    return u"Ordner wird gelesen: "_s + QString::number(files) + u" Dateien …"_s;
}

namespace {

// The error of a failed read; empty after a read.
QString failureText(const Result &result, const QString &shownFolder)
{
    switch (result.status) {
    case Result::Status::Missing:
        return shownFolder.isEmpty() ? u"Fehler: kein Ordner angegeben"_s
                                     : u"Fehler: Ordner nicht gefunden: "_s + shownFolder;
    case Result::Status::NotAFolder:
        return u"Fehler: kein Ordner: "_s + shownFolder;
    case Result::Status::Unreadable:
        return u"Fehler: Ordner nicht lesbar: "_s + shownFolder;
    case Result::Status::Read:
        break;
    }
    return {};
}

// "3 Objekte (2 Teile, 1 Zeichnung)", or `none`.
QString objectsText(const Result &result, const QString &none)
{
    const QStringList &types = objectTypes();
    QStringList perType;
    for (qsizetype i = 0; i < types.size(); ++i) {
        const QString extension = u'.' + types.at(i);
        const qsizetype count = std::count_if(result.names.begin(), result.names.end(),
                                              [&](const QString &name) { return name.endsWith(extension); });
        if (count > 0)
            perType << Counted::text(count, typeWords().at(i).first, typeWords().at(i).second);
    }
    QString text = result.names.isEmpty() ? none : Counted::text(result.names.size(), u"Objekt"_s, u"Objekte"_s);
    if (!perType.isEmpty())
        text += u" ("_s + perType.join(u", "_s) + u')';
    return text;
}

// What was skipped and left out, each behind "; ".
QString notTakenText(const Result &result)
{
    QString text;
    if (result.skipped > 0)
        text += u"; "_s + Counted::text(result.skipped, u"Name"_s, u"Namen"_s)
            + u" übersprungen (kein zulässiger Objektname oder nicht in Windows-1252)"_s
            + (result.unreadable > 0 ? u", davon "_s + QString::number(result.unreadable) + u" nicht lesbar"_s
                                     : QString());
    if (result.leftOut > 0)
        text += u"; "_s + QString::number(result.leftOut) + u" ausgelassen (höchstens "_s
            + QString::number(result.names.size()) + u" Objekte)"_s;
    return text;
}

} // namespace

QString statusText(const Result &result, const QString &folder)
{
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (result.status != Result::Status::Read)
        return failureText(result, shownFolder);
    return objectsText(result, u"Keine Objekte"_s) + u" aus "_s + shownFolder + u" übernommen"_s + notTakenText(result);
}

QString previewText(const Result &result, const QString &folder)
{
    if (result.status != Result::Status::Read)
        return failureText(result, QDir::toNativeSeparators(folder));
    return u"Übernommen würden "_s + objectsText(result, u"keine Objekte"_s) + notTakenText(result);
}

} // namespace FolderReader
