#pragma once

#include <filesystem>

#include "quillory/content/content_package.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/results/result_file_check.h"

namespace quillory::testing {

// Empties `folder` and prepares it as start-up would before a paper is opened: the window
// pictures and fresh result files of every subject.
inline void PrepareDataFolder(const ContentPackage& package, const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::filesystem::remove_all(entry.path());
  }
  InstallGraphics(package, folder);
  const SubjectCatalogue catalogue = *LoadProductHeader(package, folder);
  EnsureResultFiles(package, folder, catalogue, "test");
}

}  // namespace quillory::testing
