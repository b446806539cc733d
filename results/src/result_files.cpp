#include "quillory/results/result_files.h"

#include "quillory/content/file_io.h"
#include "quillory/content/paper_tables.h"

namespace quillory {

std::string_view ResultFileStem(ResultFile file) {
  static constexpr std::array<std::string_view, 6> kStems{"marks",    "first",    "second",
                                                          "fresults", "sresults", "trend"};
  return kStems[static_cast<std::size_t>(static_cast<int>(file) - 1)];
}

std::filesystem::path ResultFilePath(const std::filesystem::path& dataFolder, int subject,
                                     ResultFile file, std::string_view productCode) {
  return dataFolder / (std::string(ResultFileStem(file)) + std::to_string(subject) +
                       std::string(productCode) + ".txt");
}

std::vector<Error> ResetResults(const ContentPackage& package,
                                const std::filesystem::path& dataFolder,
                                const SubjectCatalogue& catalogue) {
  std::vector<Error> failures;
  for (int s = 1; s <= kSubjectSlots; ++s) {
    if (!catalogue.subject(s).present()) continue;
    for (ResultFile file : kResultFiles) {
      const auto path = ResultFilePath(dataFolder, s, file, catalogue.productCode);
      const int code = ExtractResource(package, ResultTemplateId(s, static_cast<int>(file)), path,
                                       Durability::Flushed);
      if (code != 0) {
        failures.push_back(Error{
            code, "Could not write \"" + path.string() + "\": " + ExtractResourceMessage(code)});
      }
    }
  }
  return failures;
}

}  // namespace quillory
