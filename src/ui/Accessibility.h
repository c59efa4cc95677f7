#pragma once

class QWidget;

// What screen readers and the keyboard need beyond the captions: names for
// the controls that show none of their own, the labels that name the fields
// beneath them, a tab order that follows the work from the lists to the
// written file, and no field that keeps Tab for itself. The image buttons
// name themselves.
namespace Accessibility {

void prepareMainWindow(QWidget &window);

} // namespace Accessibility
