#pragma once

#include "rules/RuleStep.h"

#include <QString>
#include <QStringList>

// The words the dialog "Regeln" shows for the steps.
namespace RuleTexts {

// "Ersetzen", "Muster", "Regulärer Ausdruck", ... in the order of RuleStep::Kind.
const QStringList &kindNames();
// One line that says what a step does: "Ersetzen: „alt“ → „neu“ (alle,
// Groß/Klein egal)".
QString describe(const RuleStep &step);
// "120 von 32767 Namen ändern sich" for the preview.
QString previewSummary(qsizetype changed, qsizetype names);

} // namespace RuleTexts
