#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "encode_picture.h"
#include "picture_book.h"
#include "quillory/content/graphics_catalogue.h"

// quillory-art OUTPUT_FOLDER: draws every window picture of the catalogue and writes it there in
// the format and size the windows expect. The same program always writes the same bytes.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillory-art OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  try {
    std::filesystem::create_directories(folder);
    const quillory::art::PictureBook book = quillory::art::allPictures();
    int failures = 0;
    for (const quillory::GraphicEntry& entry : quillory::graphicsCatalogue()) {
      const std::string name(entry.fileName);
      const auto recipe = book.find(name);
      if (recipe == book.end()) {
        std::fprintf(stderr, "quillory-art: nothing draws %s\n", name.c_str());
        ++failures;
        continue;
      }
      const QImage image = recipe->second.draw();
      if (image.width() != entry.width || image.height() != entry.height) {
        std::fprintf(stderr, "quillory-art: %s is %dx%d, the windows expect %dx%d\n", name.c_str(),
                     image.width(), image.height(), entry.width, entry.height);
        ++failures;
        continue;
      }
      const auto bytes =
          quillory::art::encodePicture(entry.format, image, recipe->second.clearColour.rgb());
      std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
      if (!out) {
        std::fprintf(stderr, "quillory-art: could not write %s\n", (folder / name).c_str());
        ++failures;
      }
    }
    if (failures > 0) return 1;
    std::printf("quillory-art: wrote %zu pictures to %s\n", quillory::graphicsCatalogue().size(),
                folder.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillory-art: %s\n", e.what());
    return 1;
  }
}
