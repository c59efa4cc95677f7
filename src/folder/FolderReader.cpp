#include "folder/FolderReader.h"

#include "check/NameCheck.h"
#include "common/Cp1252.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace FolderReader {

namespace {

// A version number Pro/ENGINEER appends to every saved file: digits only.
bool isVersion(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A file name without its version, and the index of its type in
// objectTypes(); -1 when the name is no object file.
struct ObjectFile {
    QStringView name;
    qsizetype type = -1;
};

ObjectFile objectFile(QStringView fileName)
{
    qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot > 0 && isVersion(fileName.mid(dot + 1))) {
        fileName = fileName.left(dot);
        dot = fileName.lastIndexOf(u'.');
    }
    if (dot < 0)
        return {};
    const QStringView extension = fileName.mid(dot + 1);
    const QStringList &types = objectTypes();
    for (qsizetype i = 0; i < types.size(); ++i) {
        if (extension.compare(types.at(i), Qt::CaseInsensitive) == 0)
            return {fileName, i};
    }
    return {};
}

// `*` stands for any run of characters, `?` for one; both texts in lower
// case. On a mismatch after a star the star takes one character more, so
// the work stays bounded by the product of the two lengths.
bool matchesFilter(QStringView text, QStringView pattern)
{
    qsizetype t = 0, p = 0, star = -1, starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern.at(p) == u'?' || pattern.at(p) == text.at(t))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern.at(p) == u'*') {
            star = p++;
            starText = t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}

// A name the list can hold and Pro/ENGINEER can open: Windows-1252 for
// rename.pro, and a base name the check would not object to.
bool isTakeable(const QString &name, qsizetype extensionLength, QByteArray &scratch)
{
    scratch.resize(0);
    return NameCheck::isObjectBaseName(QStringView(name).left(name.size() - extensionLength - 1))
        && Cp1252::encodeAppend(name, scratch, nullptr);
}

Result failed(Result::Status status)
{
    Result result;
    result.status = status;
    return result;
}

QString counted(qsizetype count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

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
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists())
        return failed(Result::Status::Missing);
    if (!info.isDir())
        return failed(Result::Status::NotAFolder);
    if (!info.isReadable())
        return failed(Result::Status::Unreadable);

    const QStringList &types = objectTypes();
    std::vector<bool> chosen(types.size());
    for (const QString &type : options.types) {
        if (const qsizetype i = types.indexOf(type.toLower()); i >= 0)
            chosen[i] = true;
    }
    const QString pattern = options.filter.isEmpty() ? u"*"_s : options.filter.toLower();

    // One set per type folds the versions and the letter case of a name.
    std::vector<QSet<QString>> objects(types.size());
    QSet<QString> skipped;
    QByteArray scratch;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QString fileName = it.fileName();
        const ObjectFile object = objectFile(fileName);
        if (object.type < 0 || !chosen[object.type])
            continue;
        const QString name = object.name.toString().toLower();
        // Only a file counts; for a link, the file it leads to.
        if (!matchesFilter(name, pattern) || !it.fileInfo().isFile())
            continue;
        if (isTakeable(name, types.at(object.type).size(), scratch))
            objects[object.type].insert(name);
        else
            skipped.insert(name);
    }

    Result result;
    result.status = Result::Status::Read;
    result.skipped = skipped.size();
    for (const QSet<QString> &ofType : objects) {
        QStringList names(ofType.begin(), ofType.end());
        std::sort(names.begin(), names.end());
        result.names += names;
    }
    if (result.names.size() > options.maxObjects) {
        result.leftOut = result.names.size() - options.maxObjects;
        result.names.resize(options.maxObjects);
    }
    return result;
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
            perType << counted(count, typeWords().at(i).first, typeWords().at(i).second);
    }
    QString text = result.names.isEmpty() ? none : counted(result.names.size(), u"Objekt"_s, u"Objekte"_s);
    if (!perType.isEmpty())
        text += u" ("_s + perType.join(u", "_s) + u')';
    return text;
}

// What was skipped and left out, each behind "; ".
QString notTakenText(const Result &result)
{
    QString text;
    if (result.skipped > 0)
        text += u"; "_s + counted(result.skipped, u"Name"_s, u"Namen"_s)
            + u" übersprungen (kein zulässiger Objektname oder nicht in Windows-1252)"_s;
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
