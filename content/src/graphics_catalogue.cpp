#include "quillory/content/graphics_catalogue.h"

#include <algorithm>
#include <array>

namespace quillory {
namespace {

using enum PictureFormat;

constexpr std::array kGraphics{
    GraphicEntry{1, "about_off.bmp", Bmp24, 44, 45},
    GraphicEntry{2, "about_on.bmp", Bmp24, 44, 45},
    GraphicEntry{3, "about_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{4, "back_disabled.bmp", Bmp24, 44, 45},
    GraphicEntry{5, "back_off.bmp", Bmp24, 44, 45},
    GraphicEntry{6, "back_on.bmp", Bmp24, 44, 45},
    GraphicEntry{7, "back_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{8, "close_off.bmp", Bmp24, 44, 45},
    GraphicEntry{9, "close_on.bmp", Bmp24, 44, 45},
    GraphicEntry{10, "close_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{11, "forward_disabled.bmp", Bmp24, 44, 45},
    GraphicEntry{12, "forward_off.bmp", Bmp24, 44, 45},
    GraphicEntry{13, "forward_on.bmp", Bmp24, 44, 45},
    GraphicEntry{14, "forward_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{15, "home_off.bmp", Bmp24, 44, 45},
    GraphicEntry{16, "home_on.bmp", Bmp24, 44, 45},
    GraphicEntry{17, "home_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{18, "mark_disabled.bmp", Bmp24, 44, 45},
    GraphicEntry{19, "mark_off.bmp", Bmp24, 44, 45},
    GraphicEntry{20, "mark_on.bmp", Bmp24, 44, 45},
    GraphicEntry{21, "mark_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{22, "print_off.bmp", Bmp24, 44, 45},
    GraphicEntry{23, "print_on.bmp", Bmp24, 44, 45},
    GraphicEntry{24, "print_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{25, "report_off.bmp", Bmp24, 44, 45},
    GraphicEntry{26, "report_on.bmp", Bmp24, 44, 45},
    GraphicEntry{27, "report_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{28, "save_disabled.bmp", Bmp24, 44, 45},
    GraphicEntry{29, "save_off.bmp", Bmp24, 44, 45},
    GraphicEntry{30, "save_on.bmp", Bmp24, 44, 45},
    GraphicEntry{31, "save_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{32, "setup_off.bmp", Bmp24, 44, 45},
    GraphicEntry{33, "setup_on.bmp", Bmp24, 44, 45},
    GraphicEntry{34, "setup_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{35, "trash_off.bmp", Bmp24, 44, 45},
    GraphicEntry{36, "trash_on.bmp", Bmp24, 44, 45},
    GraphicEntry{37, "trash_pressed.bmp", Bmp24, 44, 45},
    GraphicEntry{41, "tabs_back_off.bmp", Bmp8, 79, 26},
    GraphicEntry{42, "tabs_back_on.bmp", Bmp8, 79, 26},
    GraphicEntry{43, "tabs_front_off.bmp", Bmp8, 79, 27},
    GraphicEntry{44, "tabs_front_on.bmp", Bmp8, 79, 27},
    GraphicEntry{45, "border_bot.bmp", Bmp8, 2, 4},
    GraphicEntry{46, "border_left.bmp", Bmp8, 4, 2},
    GraphicEntry{47, "border_left_corners.bmp", Bmp8, 6, 4},
    GraphicEntry{48, "border_right.bmp", Bmp8, 4, 2},
    GraphicEntry{49, "border_right_corners.bmp", Bmp8, 6, 4},
    GraphicEntry{50, "border_top_center.bmp", Bmp24, 2, 28},
    GraphicEntry{51, "border_top_left.bmp", Bmp24, 48, 28},
    GraphicEntry{52, "border_top_right.bmp", Bmp24, 48, 28},
    GraphicEntry{53, "border_white_top_center.bmp", Bmp24, 1, 28},
    GraphicEntry{54, "border_white_top_left.bmp", Bmp24, 48, 28},
    GraphicEntry{55, "border_white_top_right.bmp", Bmp24, 48, 28},
    GraphicEntry{56, "prog_blue_close.bmp", Bmp24, 19, 19},
    GraphicEntry{57, "prog_blue_max.bmp", Bmp24, 19, 19},
    GraphicEntry{58, "prog_blue_min.bmp", Bmp24, 19, 19},
    GraphicEntry{59, "prog_blue_norm.bmp", Bmp24, 19, 19},
    GraphicEntry{60, "prog_blueoff_close.bmp", Bmp24, 19, 19},
    GraphicEntry{61, "prog_blueoff_max.bmp", Bmp24, 19, 19},
    GraphicEntry{62, "prog_blueoff_min.bmp", Bmp24, 19, 19},
    GraphicEntry{63, "prog_blueoff_norm.bmp", Bmp24, 19, 19},
    GraphicEntry{64, "prog_white_close.bmp", Bmp24, 19, 19},
    GraphicEntry{65, "prog_white_max.bmp", Bmp24, 19, 19},
    GraphicEntry{66, "prog_white_min.bmp", Bmp24, 19, 19},
    GraphicEntry{67, "prog_white_norm.bmp", Bmp24, 19, 19},
    GraphicEntry{68, "loadbutton_on.bmp", Bmp8, 35, 14},
    GraphicEntry{69, "loadbutton_off.bmp", Bmp8, 35, 14},
    GraphicEntry{70, "button_off.bmp", Bmp8, 80, 25},
    GraphicEntry{71, "button_on.bmp", Bmp8, 80, 25},
    GraphicEntry{72, "button_pressed.bmp", Bmp8, 80, 25},
    GraphicEntry{73, "bottombg1.bmp", Bmp8, 128, 25},
    GraphicEntry{74, "bottombg2.bmp", Bmp8, 120, 25},
    GraphicEntry{75, "bottombg3.bmp", Bmp8, 64, 25},
    GraphicEntry{76, "bottombg4.bmp", Bmp8, 200, 25},
    GraphicEntry{77, "columnhead1.bmp", Bmp8, 167, 24},
    GraphicEntry{78, "columnhead2.bmp", Bmp8, 233, 24},
    GraphicEntry{79, "progressbar.bmp", Bmp8, 11, 19},
    GraphicEntry{80, "statusgrabber.bmp", Bmp8, 8, 8},
    GraphicEntry{81, "bullet.bmp", Bmp8, 13, 11},
    GraphicEntry{82, "Handle.bmp", Bmp8, 6, 40},
    GraphicEntry{83, "pen.bmp", Bmp24, 117, 41},
    GraphicEntry{84, "bar.bmp", Bmp8, 401, 17},
    GraphicEntry{85, "QXicon.ico", Ico, 16, 16},
    GraphicEntry{86, "pencil.ico", Ico, 16, 16},
    GraphicEntry{87, "hand.ico", Ico, 32, 32},
    GraphicEntry{88, "info_mark.gif", Gif, 32, 27},
    GraphicEntry{89, "Logo.gif", Gif, 204, 23},
    GraphicEntry{90, "instruction.gif", Gif, 237, 85},
    GraphicEntry{91, "Border_bot_left.gif", Gif, 6, 7},
    GraphicEntry{92, "Border_bot_right.gif", Gif, 6, 7},
};

static_assert(kGraphics.size() == 89);

}  // namespace

std::span<const GraphicEntry> graphicsCatalogue() { return kGraphics; }

const GraphicEntry* findGraphic(std::uint16_t id) {
  const auto it =
      std::lower_bound(kGraphics.begin(), kGraphics.end(), id,
                       [](const GraphicEntry& e, std::uint16_t key) { return e.id < key; });
  return it != kGraphics.end() && it->id == id ? &*it : nullptr;
}

}  // namespace quillory
