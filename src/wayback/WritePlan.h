#pragma once

#include <QString>

// What the folder chooser's "OK" writes: the output field as rename.pro and,
// when the box asks for it, the way back made from the pairs that field was
// generated from. Never a file for pairs the field does not hold.
namespace WritePlan {

struct Plan {
    // When set, nothing is written and the status line says this.
    QString refusal;
    // rename_zurueck.pro is written after rename.pro.
    bool wayBack = false;
    // Its own findings are asked about before anything is written, as the
    // question before generating did not name them.
    bool askFirst = false;
    // Why the way back asked for is not written beside rename.pro.
    QString noWayBack;
};

// `pairsBuilt` is false after a refused generation: the output field then
// holds nothing of the pairs before, or only what the user typed into it.
// `askedAtGeneration` when the box was ticked as the pairs were generated.
Plan forOk(bool outputEmpty, bool pairsBuilt, bool wayBackTicked, bool askedAtGeneration);

// The status line after "Abbrechen" at the question before writing.
QString cancelled();

} // namespace WritePlan
