#include "lists/ListDrop.h"

using namespace Qt::StringLiterals;

namespace ListDrop {

Dropped what(const QList<QUrl> &urls, bool hasText, const QString &text)
{
    using Kind = Dropped::Kind;
    if (urls.size() > 1)
        return {Kind::Refused,
                u"Achtung: Bitte nur eine Datei ablegen (%1 abgelegt), nichts übernommen"_s.arg(urls.size())};
    if (urls.size() == 1) {
        const QUrl &url = urls.first();
        if (!url.isLocalFile())
            return {Kind::Refused, u"Achtung: Keine lokale Datei, nichts übernommen: "_s + url.toDisplayString()};
        return {Kind::File, url.toLocalFile()};
    }
    if (hasText)
        return {Kind::Text, text};
    return {};
}

} // namespace ListDrop
