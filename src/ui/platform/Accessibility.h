#pragma once

class QWidget;

// What screen readers and the keyboard need beyond the captions: German
// names and descriptions for every control, the labels that name the
// fields beneath them, a tab order that follows the work from the lists to
// the written file, no field that keeps Tab for itself, and command
// buttons that Enter presses as Space does. The image buttons name
// themselves.
namespace Accessibility {

// Before any drop-down list exists: screen readers hear a drop-down list's
// name, not its chosen entry.
void nameDropDownLists();
void prepareMainWindow(QWidget &window);
void prepareInfoWindow(QWidget &window);

} // namespace Accessibility
