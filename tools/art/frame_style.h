#pragma once

#include <QColor>

namespace quillory::art {

// The window frame is four pixels deep on the sides and the bottom: a dark outline, two blues
// and a light inner line. `depth` counts pixels inwards from the outer edge (0 to 3).
QColor frameColour(int depth);

constexpr int kTitleHeight = 28;

// The colour of title-bar row `y` (0 to 27): blue for the active window, white for an inactive
// one. Every title piece and title button is painted from these rows so they line up.
QColor titleRow(bool active, int y);

// Where a 19-pixel title button sits on the 28-pixel bar.
constexpr int kTitleButtonTop = 4;

}  // namespace quillory::art
