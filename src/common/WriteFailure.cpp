#include "common/WriteFailure.h"

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace WriteFailure {

namespace {

struct Reason {
    int error;
    const char16_t *text;
};

// Every cause that opening, writing, flushing, renaming or reading a file
// can end with, in the words of the rest of the program; the system's own
// words are German only where its catalogue is, and Qt words a few in
// English whatever the language.
const Reason kReasons[] = {
    {ENOENT, u"Ordner nicht gefunden"},
    {ENOTDIR, u"Ist kein Ordner"},
    {EISDIR, u"Ist ein Ordner"},
    {EACCES, u"Keine Schreibberechtigung für den Ordner"},
    {EPERM, u"Vorgang nicht zulässig"},
    {EROFS, u"Schreibgeschütztes Dateisystem"},
    {ENOSPC, u"Kein freier Speicherplatz auf dem Datenträger"},
#ifdef EDQUOT
    {EDQUOT, u"Speicherkontingent (Quota) erschöpft"},
#endif
    {EFBIG, u"Datei zu groß (Grenze der Dateigröße erreicht)"},
    {EMFILE, u"Zu viele offene Dateien"},
    {ENFILE, u"Zu viele offene Dateien im System"},
    {EXDEV, u"Umbenennen über die Grenze eines Dateisystems hinweg nicht möglich"},
    {EBUSY, u"Datei oder Gerät wird gerade benutzt"},
#ifdef ETXTBSY
    {ETXTBSY, u"Datei wird gerade als Programm ausgeführt"},
#endif
    {ENAMETOOLONG, u"Dateiname oder Pfad zu lang"},
#ifdef ELOOP
    {ELOOP, u"Zu viele Ebenen symbolischer Verknüpfungen"},
#endif
    {EIO, u"Ein-/Ausgabefehler des Datenträgers"},
    {EINVAL, u"Ungültiger Vorgang für dieses Dateisystem"},
    {EEXIST, u"Datei existiert bereits"},
    {ENOTEMPTY, u"Ordner ist nicht leer"},
    {EMLINK, u"Zu viele Verknüpfungen"},
    {EAGAIN, u"Vorübergehend nicht verfügbar, bitte erneut versuchen"},
    {EINTR, u"Unterbrochen, bitte erneut versuchen"},
    {ENOMEM, u"Nicht genügend Arbeitsspeicher"},
    {EBADF, u"Datei oder Ausgabe nicht geöffnet"},
    {ENXIO, u"Gerät nicht vorhanden"},
    {ENODEV, u"Gerät nicht vorhanden"},
    {EOPNOTSUPP, u"Vom Dateisystem nicht unterstützt"},
#ifdef EOVERFLOW
    {EOVERFLOW, u"Datei zu groß für diesen Zugriff"},
#endif
    {EPIPE, u"Empfänger der Ausgabe beendet"},
#ifdef ESTALE
    {ESTALE, u"Verbindung zur Netzwerkdatei veraltet"},
#endif
#ifdef ETIMEDOUT
    {ETIMEDOUT, u"Zeitüberschreitung (Netzwerk)"},
#endif
#ifdef ENOLCK
    {ENOLCK, u"Keine Sperre verfügbar"},
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
    for (const Reason &known : kReasons) {
        if (known.error == error)
            return QString::fromUtf16(known.text);
    }
    return {};
}

QString told(int error)
{
    const QString text = reason(error);
    return text.isEmpty() ? QString::fromLocal8Bit(std::strerror(error)) : text;
}

// The error's portable number where it has one, so that a system's own
// codes come out as the causes above.
QString told(const std::error_code &error)
{
    const std::error_condition portable = error.default_error_condition();
    if (portable.category() == std::generic_category())
        return told(portable.value());
    const QString words = QString::fromLocal8Bit(error.message());
    return words.isEmpty() ? u"Unbekannter Fehler"_s : words;
}

QString toldFromQt(const QString &qtWords)
{
    for (const Reason &known : kReasons) {
        if (qtWords == qtEnglish(known.error) || qtWords == QString::fromLocal8Bit(std::strerror(known.error)))
            return QString::fromUtf16(known.text);
    }
    // Qt's words for the rest: the system's, or its own English ones for a
    // failure without a number.
    return qtWords.isEmpty() || qtWords == "Unknown error"_L1 ? u"Unbekannter Fehler"_s : qtWords;
}

} // namespace WriteFailure
