#pragma once

#include <filesystem>

#include "quillory/content/content_package.h"
#include "quillory/home/contents.h"
#include "quillory/practice/practice_windows.h"
#include "quillory/shell/skin.h"

namespace quillory {

// The home window and the practice windows over one data folder, wired to each other as the
// program runs them: the home window opens and closes papers, a closing paper refreshes it, and
// the message box answers through it. Shared by the program and the screenshot tool.
class ProgramWindows {
 public:
  // `services` may set how the windows ask (`ask`) and how fast marking animates; the rest is
  // filled in here.
  ProgramWindows(const ContentPackage& package, const std::filesystem::path& dataFolder,
                 PracticeWindow::Services services = {});

  Contents& contents() { return contents_; }
  PracticeWindows& practice() { return practice_; }

 private:
  static PracticeWindow::Services Complete(PracticeWindow::Services services,
                                           const ContentPackage& package,
                                           const std::filesystem::path& dataFolder,
                                           Contents& contents);

  Skin skin_;
  Contents contents_;
  PracticeWindows practice_;
};

}  // namespace quillory
