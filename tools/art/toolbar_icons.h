#pragma once

#include <QPainter>
#include <string_view>

namespace quillory::art {

// The toolbar symbols, each drawn into a 24 × 24 box at the painter's origin. Names are the
// stems of the button pictures ("about", "back", ... "trash").
void drawToolbarIcon(QPainter& painter, std::string_view name);

}  // namespace quillory::art
