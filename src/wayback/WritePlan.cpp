#include "wayback/WritePlan.h"

using namespace Qt::StringLiterals;

namespace WritePlan {

Plan forOk(bool outputEmpty, bool pairsBuilt, bool wayBackTicked, bool askedAtGeneration)
{
    Plan plan;
    if (outputEmpty) {
        plan.refusal = u"Nichts geschrieben: keine erzeugte Mapkey-Datei"_s;
        return plan;
    }
    if (!wayBackTicked)
        return plan;
    plan.wayBack = pairsBuilt;
    plan.askFirst = pairsBuilt && !askedAtGeneration;
    if (!pairsBuilt)
        plan.noWayBack = u"Rückweg nicht geschrieben: keine erzeugten Paare"_s;
    return plan;
}

QString cancelled()
{
    return u"Nichts geschrieben: abgebrochen"_s;
}

} // namespace WritePlan
