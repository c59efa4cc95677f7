#include "common/WriteFailure.h"

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace WriteFailure {

namespace {

// The causes Qt's words are compared with: those with a text of their own
// and those Qt words in English.
const int kKnown[] = {
    ENOENT, ENOTDIR, EISDIR, EACCES, EPERM, EROFS, ENOSPC, EFBIG, EMFILE,
#ifdef EDQUOT
    EDQUOT,
#endif
};

// Qt words these in fixed English, whatever the language of the session.
QLatin1StringView qtEnglish(int error)
{
    switch (error) {
    case EACCES:
        return "Permission denied"_L1;
    case ENOENT:
        return "No such file or directory"_L1;
    case ENOSPC:
        return "No space left on device"_L1;
    case EMFILE:
        return "Too many open files"_L1;
    default:
        return {};
    }
}

} // namespace

QString reason(int error)
{
    switch (error) {
    case ENOENT:
        return u"Ordner nicht gefunden"_s;
    case ENOTDIR:
        return u"Ist kein Ordner"_s;
    case EISDIR:
        return u"Ist ein Ordner"_s;
    case EACCES:
        return u"Keine Schreibberechtigung für den Ordner"_s;
    case EPERM:
        return u"Keine Berechtigung für diesen Vorgang"_s;
    case EROFS:
        return u"Schreibgeschütztes Dateisystem"_s;
    case ENOSPC:
        return u"Kein freier Speicherplatz auf dem Datenträger"_s;
#ifdef EDQUOT
    case EDQUOT:
        return u"Speicherkontingent (Quota) erschöpft"_s;
#endif
    case EFBIG:
        return u"Datei zu groß (Grenze der Dateigröße erreicht)"_s;
    default:
        return {};
    }
}

QString told(int error)
{
    const QString text = reason(error);
    return text.isEmpty() ? QString::fromLocal8Bit(std::strerror(error)) : text;
}

QString toldFromQt(const QString &qtWords)
{
    for (const int error : kKnown) {
        if (qtWords == qtEnglish(error) || qtWords == QString::fromLocal8Bit(std::strerror(error)))
            return told(error);
    }
    // Qt's words for the rest: the system's, or its own English ones for a
    // failure without a number.
    return qtWords.isEmpty() || qtWords == "Unknown error"_L1 ? u"Unbekannter Fehler"_s : qtWords;
}

} // namespace WriteFailure
