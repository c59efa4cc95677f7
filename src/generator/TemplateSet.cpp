#include "generator/TemplateSet.h"

#include "common/Cp1252.h"
#include "generator/Templates.h"

using namespace Templates;

namespace {

// A template cut at its placeholder; the template itself never changes.
std::pair<QString, QString> cutAt(QLatin1String templ, QLatin1String placeholder)
{
    const qsizetype p = templ.indexOf(placeholder);
    return {templ.left(p), templ.mid(p + placeholder.size())};
}

TemplateSet::Texts builtInTexts()
{
    // txt_open ends in the opening backquote of the name and CR LF; the name
    // goes directly after the backquote, and "`;\" closes it for CallALLNow.
    const QString open = txt_open.chopped(2);
    const auto [kernBefore, kernAfter] = cutAt(txt_Kern, kNewNamePlaceholder);
    const auto [saveBefore, saveAfter] = cutAt(txt_saveALL, kSaveNamePlaceholder);
    return {open, kernBefore, kernAfter, saveBefore, saveAfter, open, QLatin1String("`;\\\r\n") + txt_CallAll};
}

} // namespace

std::optional<TemplateSet> TemplateSet::fromTexts(const Texts &texts)
{
    TemplateSet set;
    const QString *const sources[] = {&texts.renameBeforeOld, &texts.renameBeforeNew, &texts.renameAfterNew,
                                      &texts.saveBefore,      &texts.saveAfter,       &texts.openBefore,
                                      &texts.openAfter};
    for (int i = 0; i < 7; ++i) {
        set.m_pieces[i].m_text = *sources[i];
        if (!Cp1252::encodeAppend(*sources[i], set.m_pieces[i].m_bytes, nullptr))
            return std::nullopt;
    }
    return set;
}

const TemplateSet &TemplateSet::builtIn()
{
    static const TemplateSet set = *fromTexts(builtInTexts());
    return set;
}

QString TemplateSet::renameBody(const QString &oldName, const QString &newName) const
{
    return renameBeforeOld().text() + oldName + renameBeforeNew().text() + newName + renameAfterNew().text();
}

QString TemplateSet::saveBody(const QString &name) const
{
    return saveBefore().text() + name + saveAfter().text();
}

QString TemplateSet::openBody(const QString &name) const
{
    return openBefore().text() + name + openAfter().text();
}
