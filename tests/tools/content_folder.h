#pragma once

#include <gtest/gtest.h>

#include <string>

#include "../support/temp_folder.h"
#include "quillory/content/graphics_catalogue.h"

namespace quillory::pack {

// A content folder with one subject (English) of one topic: the window pictures as placeholders,
// the header, and whichever papers a test writes.
class ContentFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_ / "graphics");
    std::filesystem::create_directories(folder_ / "subjects/1-english/figures");
    for (const GraphicEntry& graphic : graphicsCatalogue()) {
      folder_.Write("graphics/" + std::string(graphic.fileName), "picture");
    }
    WriteHeader("#TT1#>1\n#TP1#>5\n");
  }
  void WriteHeader(const std::string& counts) {
    folder_.Write("header.txt", "...\n#NME#>Quillory\n#COD#>QP\n#LAH#>English\n#LBH#>\n#LCH#>\n" +
                                    counts + "#TN1#>Mock Examination\n...\n");
  }
  void WritePaper(const std::string& key, const std::string& text) {
    folder_.Write("subjects/1-english/" + key + ".paper", text);
  }

  testing::TempFolder folder_;
};

}  // namespace quillory::pack
