#pragma once

// The main window's geometry rules in twips, apart from the widgets: the
// start size, the two widths, and what a resize does to the lists, the
// output field and the bottom row. The width never moves anything; only
// the outer height does.
namespace WindowLayout {

inline constexpr double kStartHeight = 8000;
inline constexpr double kNarrowWidth = 9200;
inline constexpr double kWideWidth = 16755;
inline constexpr double kSmallestHeight = 6000;

// What one resize event asks of the window.
struct Resize {
    // A minimised window keeps its layout; restoring it lays it out again.
    bool layOut = false;
    // The outer height the window must first be set to, 0 for none: no
    // window is lower than the smallest height.
    double snapTo = 0;
};
Resize onResize(bool minimised, double outerHeight);

// Where the controls that follow the height go, for an outer height
// (never below the smallest one).
struct Places {
    double outputHeight = 0; // txt_OUT
    double exitTop = 0;      // img_EXIT
    double generateTop = 0;  // cmd_mapkeyNow, and cmd_openmFile beside it
    double listHeight = 0;   // list_OldName, list_NewName
    double statusTop = 0;    // lbl_status
    double checkTop = 0;     // lbl_pruefung
    // Frame_gruppen, the column of groups below the rule: it ends above
    // the exit picture, the highest control of the bottom row.
    double groupsHeight = 0;
};
Places placesFor(double outerHeight);

// The output field's text is made only once the user can read some of it
// or types into it: making the text of a million lines costs a second and
// twice the file's size in memory. At the narrow width a strip of the
// field may still lie inside the window's edge, showing no character.
inline constexpr int kSeenCharacters = 4;
// `visibleWidth` is the width of the field's text area on screen and
// `characterWidth` the width of an average character, both in pixels.
bool outputSeen(int visibleWidth, int characterWidth, bool hasKeyboard);

} // namespace WindowLayout
