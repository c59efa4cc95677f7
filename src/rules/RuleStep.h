#pragma once

#include <QString>

// One step of a rule list: what it does to a name's base (the tidied name
// without its extension). Which fields a step reads depends on its kind;
// the others keep their defaults.
struct RuleStep {
    enum class Kind { Replace, Pattern, Regex, Insert, Number, Remove, Case };
    // Where an insertion or a removal takes place; Text removes every
    // occurrence of a text.
    enum class Place { Start, End, Position, Text };

    Kind kind = Kind::Replace;
    bool on = true;
    // Replace: the text sought; Pattern: the pattern matched (VON); Regex:
    // the expression; Insert: the text inserted; Number: the pattern with
    // its run of '#'; Remove (Text): the text taken out.
    QString text;
    // Replace, Regex: the replacement; Pattern: the target (NACH).
    QString replacement;
    bool every = false;         // Replace: every occurrence, else the first
    bool caseSensitive = true;  // Replace
    Place place = Place::Start; // Insert, Remove
    // Insert (Position): characters from the start (>= 0) or from the end
    // (< 0); Remove (Start, End): how many characters.
    int count = 0;
    qint64 start = 1;   // Number
    qint64 step = 1;    // Number
    bool upper = false; // Case: upper case, else lower case

    friend bool operator==(const RuleStep &a, const RuleStep &b)
    {
        return a.kind == b.kind && a.on == b.on && a.text == b.text && a.replacement == b.replacement
            && a.every == b.every && a.caseSensitive == b.caseSensitive && a.place == b.place && a.count == b.count
            && a.start == b.start && a.step == b.step && a.upper == b.upper;
    }
    friend bool operator!=(const RuleStep &a, const RuleStep &b) { return !(a == b); }
};
