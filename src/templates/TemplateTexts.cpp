#include "templates/TemplateTexts.h"

#include "common/Counted.h"
#include "common/ShownName.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace TemplateTexts {

namespace {

QString quoted(QStringView text)
{
    return u"„"_s + ShownName::of(text) + u"“"_s;
}

QString sample(bool oldSample, const QString &name)
{
    return (oldSample ? u"alter Beispielname "_s : u"neuer Beispielname "_s) + quoted(name);
}

} // namespace

QString finding(qsizetype line, bool error, const QString &message)
{
    const QString where = line > 0 ? u"Vorlage, Zeile "_s + QString::number(line) : u"Vorlage"_s;
    return where + (error ? u": Fehler: "_s : u": Warnung: "_s) + message;
}

QString mapkey(const QString &name, RecordedTemplates::Role role)
{
    using RecordedTemplates::Role;
    const QString roleName = role == Role::Rename ? u"Umbenennen"_s
        : role == Role::OpenSaveClose             ? u"Speichern"_s
                                                  : u"Öffnen"_s;
    return u"Mapkey "_s + ShownName::of(name) + u" ("_s + roleName + u')';
}

QString unreadable(const Recording::File &file, const QString &path)
{
    using Status = ListFile::ReadResult::Status;
    const QString shown = QDir::toNativeSeparators(path);
    switch (file.status) {
    case Status::Missing:
        return u"Aufzeichnung nicht gefunden: "_s + shown;
    case Status::NotAFile:
        return u"Aufzeichnung ist keine Datei: "_s + shown;
    case Status::TooLarge:
        return file.longLine > 0
            ? u"Aufzeichnung hat eine Zeile über 1 MiB, so lang ist keine Zeile einer Konfigurationsdatei: "_s + shown
            : u"Aufzeichnung ist größer als 16 MiB, so groß ist keine Konfigurationsdatei: "_s + shown;
    case Status::NotText:
        return u"Aufzeichnung ist keine Textdatei: "_s + shown;
    case Status::Read:
    case Status::Unreadable:
        break;
    }
    return u"Aufzeichnung konnte nicht gelesen werden: "_s + shown;
}

QString emptySample(bool oldSample)
{
    return oldSample ? u"alter Beispielname leer"_s : u"neuer Beispielname leer"_s;
}

QString noObjectName(bool oldSample, const QString &name)
{
    return sample(oldSample, name)
        + u" ist kein gültiger Objektname (Buchstaben, Ziffern, _ und -, höchstens 31 Zeichen vor und "
          u"zwischen den Punkten)"_s;
}

QString strayContinuation()
{
    return u"Zeile „mapkey(continued)“ gehört zu keinem Mapkey: die Zeile davor ist keine Mapkey-Zeile, die mit \\ endet"_s;
}

QString blankAfterBackslash(const QString &mapkey)
{
    return mapkey
        + u": Leerzeichen oder Tabulator nach dem \\ am Zeilenende, der Mapkey geht trotzdem in der "
          u"nächsten Zeile weiter"_s;
}

QString missing(const QString &mapkey)
{
    return mapkey + u" fehlt in der Aufzeichnung"_s;
}

QString notClosed(const QString &mapkey)
{
    return mapkey + u" nicht abgeschlossen: auf das \\ am Zeilenende folgt keine Zeile „mapkey(continued)“"_s;
}

// The sample is valid, so it is shown as typed.
QString sampleNowhere(const QString &mapkey, bool oldSample, const QString &name, const QString &partOf,
                      qsizetype partLine)
{
    QString text = mapkey + (oldSample ? u": alter "_s : u": neuer "_s) + u"Beispielname "_s + name
        + u" steht nirgends als ganzer Wert"_s;
    if (!partOf.isEmpty())
        text += u", nur als Teil von "_s + quoted(partOf) + u" (Zeile "_s + QString::number(partLine) + u')';
    return text;
}

QString sampleTwice(const QString &mapkey, bool oldSample, const QString &name, qsizetype firstLine)
{
    return mapkey + u": "_s + sample(oldSample, name) + u" steht zweimal darin (zuerst Zeile "_s
        + QString::number(firstLine) + u')';
}

QString newBeforeOld(const QString &mapkey, const QString &name, qsizetype oldLine)
{
    return mapkey + u": "_s + sample(false, name) + u" steht vor dem alten (Zeile "_s + QString::number(oldLine) + u')';
}

QString sampleSplit(const QString &mapkey, bool oldSample, const QString &name)
{
    return mapkey + u": "_s + sample(oldSample, name) + u" ist am Zeilenende umbrochen"_s;
}

QString newSampleOutOfPlace(const QString &mapkey, const QString &name)
{
    return mapkey + u": "_s + sample(false, name) + u" darin, er gehört nur in den Mapkey zum Umbenennen"_s;
}

QString unrepresentable(const QString &mapkey, const QString &character)
{
    return mapkey + u": Zeichen außerhalb von Windows-1252 („"_s + ShownName::character(character) + u"“)"_s;
}

QString callsMapkey(const QString &mapkey, const QString &called)
{
    return mapkey + u" ruft Mapkey "_s + quoted(called) + u" auf, der dann auch geladen sein muss"_s;
}

QString folderPath(const QString &mapkey, const QString &value)
{
    return mapkey + u": alter Beispielname mit Ordnerpfad aufgezeichnet ("_s + quoted(value)
        + u"), jedes Objekt wird in diesem Ordner gesucht"_s;
}

QString samplesEqual(const QString &mapkey, const QString &name)
{
    return mapkey + u": alter und neuer Beispielname gleich ("_s + quoted(name) + u')';
}

QString typingSlip(const QString &mapkey, const QString &dialog, const QString &field, const QString &value)
{
    return mapkey + u": ins Feld "_s + quoted(dialog) + u' ' + quoted(field)
        + u" getippt, es hält aber nie einen ganzen Beispielnamen (zuletzt "_s + quoted(value) + u')';
}

QString inUse(const QString &file, bool usable)
{
    return u"Vorlage: "_s + QFileInfo(file).fileName() + (usable ? QString() : u" (nicht verwendbar)"_s);
}

QString described(const RecordedTemplates::Choice &choice)
{
    if (choice.isBuiltIn())
        return u"die eingebaute Vorlage"_s;
    return QDir::toNativeSeparators(choice.file) + u" (Mapkeys "_s + ShownName::of(choice.renameKey) + u", "_s
        + ShownName::of(choice.saveKey) + u", "_s + ShownName::of(choice.openKey) + u')';
}

QString chosen(const RecordedTemplates::Choice &choice)
{
    return u"In Verwendung: "_s + described(choice);
}

QString refused(const QString &file, const QString &findingLines)
{
    return u"Die Vorlage "_s + QDir::toNativeSeparators(file) + u" ist nicht verwendbar:\n\n"_s + findingLines
        + u"\nrename.pro wird nicht erstellt. Unter „Vorlage …“ lässt sich die Aufzeichnung "
          u"berichtigen oder die eingebaute Vorlage wählen."_s;
}

QString refusedStatus(const QString &file)
{
    return u"Fehler: Vorlage "_s + QDir::toNativeSeparators(file) + u" nicht verwendbar, rename.pro nicht erstellt"_s;
}

QString opened(const QString &path, const Recording::File &file, qsizetype mapkeys)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (file.status != ListFile::ReadResult::Status::Read)
        return u"Fehler: "_s + unreadable(file, path);
    return u"Aufzeichnung geöffnet: "_s + shown + u" ("_s + Counted::text(mapkeys, u"Mapkey"_s, u"Mapkeys"_s) + u')';
}

QString notUsed(const QString &path)
{
    return u"Nicht verwendet: "_s + QDir::toNativeSeparators(path)
        + u" ist neu gelesen nicht mehr verwendbar, siehe Befunde"_s;
}

QString exported(const QString &path, bool ok, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    return ok ? u"Eingebaute Vorlage gespeichert in "_s + shown
              : u"Fehler: Eingebaute Vorlage konnte nicht gespeichert werden in "_s + shown + u": "_s + reason;
}

} // namespace TemplateTexts
