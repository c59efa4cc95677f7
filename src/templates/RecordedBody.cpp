#include "templates/RecordedBody.h"

#include <QSet>

#include <algorithm>

namespace RecordedBody {

namespace {

struct Scanned {
    QList<Action> actions;
    QList<Call> calls;
};

// A semicolon ends an action only outside backquotes; a name may hold one.
Scanned scan(QStringView text, qsizetype from)
{
    Scanned scanned;
    const qsizetype n = text.size();
    for (qsizetype i = from; i < n;) {
        const QChar c = text.at(i);
        if (c == u'~') {
            Action action;
            action.start = i;
            qsizetype j = i + 1;
            while (j < n && text.at(j) == u' ')
                ++j;
            const qsizetype verbStart = j;
            while (j < n && text.at(j).isLetter())
                ++j;
            action.verb = text.mid(verbStart, j - verbStart);
            while (j < n && text.at(j) != u';') {
                if (text.at(j) == u'`') {
                    const qsizetype close = text.indexOf(u'`', j + 1);
                    if (close < 0) {
                        j = n;
                        break;
                    }
                    action.arguments.append(text.mid(j + 1, close - j - 1));
                    j = close;
                }
                ++j;
            }
            action.end = std::min(j + 1, n);
            scanned.actions.append(action);
            i = action.end;
        } else if (c == u'%') {
            qsizetype j = i + 1;
            while (j < n && text.at(j) != u';' && text.at(j) != u'~' && text.at(j) != u' ')
                ++j;
            scanned.calls.append({i, text.mid(i + 1, j - i - 1)});
            i = j;
        } else {
            ++i;
        }
    }
    return scanned;
}

// Where the labels at the start of a definition's text end.
qsizetype labelsEnd(QStringView text)
{
    qsizetype at = 0;
    while (text.mid(at).startsWith(u"@MAPKEY_NAME") || text.mid(at).startsWith(u"@MAPKEY_LABEL")) {
        const qsizetype semicolon = text.indexOf(u';', at);
        at = semicolon < 0 ? text.size() : semicolon + 1;
    }
    return at;
}

struct Range {
    qsizetype start;
    qsizetype end;
};

} // namespace

QString fieldKey(const Action &action)
{
    QString key = action.arguments.at(0).toString();
    key += QChar(0);
    key += action.arguments.at(1);
    return key;
}

QList<Action> actions(QStringView text)
{
    return scan(text, 0).actions;
}

Kept read(const Recording::Definition &definition)
{
    const qsizetype labels = labelsEnd(definition.text);
    const Scanned scanned = scan(definition.text, labels);
    QList<Range> removed;
    if (labels > 0)
        removed.append({0, labels});
    // Backwards, so that each "~ Input" knows whether a later action names
    // its dialog and field.
    QSet<QString> typedLater;
    QList<Range> echoes;
    for (auto action = scanned.actions.crbegin(); action != scanned.actions.crend(); ++action) {
        const bool input = action->verb == u"Input";
        if ((!input && action->verb != u"Update") || action->arguments.size() < 2)
            continue;
        const QString field = fieldKey(*action);
        if (input && typedLater.contains(field))
            echoes.prepend({action->start, action->end});
        typedLater.insert(field);
    }
    removed += echoes;

    const QString &text = definition.text;
    Kept kept;
    kept.text.reserve(text.size());
    kept.origin.reserve(text.size());
    qsizetype at = 0;
    for (const Range &range : std::as_const(removed)) {
        for (; at < range.start; ++at) {
            kept.text.append(text.at(at));
            kept.origin.append(at);
        }
        at = range.end;
    }
    for (; at < text.size(); ++at) {
        kept.text.append(text.at(at));
        kept.origin.append(at);
    }
    // A line end inside a removed range goes with it; one at its edge stays.
    const auto keptBefore = [&kept](qsizetype position) {
        return std::lower_bound(kept.origin.begin(), kept.origin.end(), position) - kept.origin.begin();
    };
    for (const qsizetype end : definition.lineEnds) {
        const bool inside = std::any_of(removed.begin(), removed.end(),
                                        [end](const Range &r) { return r.start < end && end < r.end; });
        if (!inside)
            kept.lineEnds.append(keptBefore(end));
    }
    for (const Call &call : scanned.calls)
        kept.calls.append({keptBefore(call.at), call.name});
    kept.actions = scanned.actions;
    return kept;
}

} // namespace RecordedBody
