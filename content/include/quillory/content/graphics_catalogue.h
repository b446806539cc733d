#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quillory {

enum class PictureFormat { Bmp24, Bmp8, Ico, Gif };

// One window picture of the content package: its member id, the file name the windows load it
// by (letter case kept), and the format and pixel size the windows are laid out for.
struct GraphicEntry {
  std::uint16_t id;
  std::string_view fileName;
  PictureFormat format;
  int width;
  int height;
};

// Every window picture, in ascending id order.
std::span<const GraphicEntry> graphicsCatalogue();

// The entry of a member id, or nullptr when the id is not a picture.
const GraphicEntry* findGraphic(std::uint16_t id);

}  // namespace quillory
