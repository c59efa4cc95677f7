#include "ui/WindowLayout.h"

#include <algorithm>

namespace WindowLayout {

namespace {

// The height at which every control stands at its design place.
constexpr double kReferenceHeight = 8300;

} // namespace

Resize onResize(bool minimised, double outerHeight)
{
    Resize resize;
    if (minimised)
        return resize;
    resize.layOut = true;
    if (outerHeight < kSmallestHeight)
        resize.snapTo = kSmallestHeight;
    return resize;
}

// A window system may confirm a snapped height only later: the places are
// those of the smallest height meanwhile.
Places placesFor(double outerHeight)
{
    const double d = std::max(outerHeight, kSmallestHeight) - kReferenceHeight;
    Places places;
    places.outputHeight = 7350 + d;
    places.exitTop = 6300 + d;
    places.generateTop = 6660 + d;
    places.listHeight = 5715 + d;
    places.statusTop = 7500 + d;
    places.checkTop = 6360 + d;
    places.groupsHeight = 3615 + d;
    return places;
}

bool outputSeen(int visibleWidth, int characterWidth, bool hasKeyboard)
{
    return hasKeyboard || (visibleWidth > 0 && visibleWidth >= kSeenCharacters * std::max(characterWidth, 1));
}

} // namespace WindowLayout
