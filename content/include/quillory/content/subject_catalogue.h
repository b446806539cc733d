#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "quillory/content/content_package.h"
#include "quillory/content/result.h"

namespace quillory {

inline constexpr int kSubjectSlots = 3;
inline constexpr int kPapersPerTopic = 5;
inline constexpr std::uint16_t kHeaderId = 30000;

struct SubjectSlot {
  std::string name;  // empty: the slot is absent
  int topicCount = 0;
  int paperCount = 0;
  std::array<std::string, 10> topicNames;  // entries past topicCount are empty

  bool present() const { return !name.empty(); }
};

// The product header: title, product code and the three subject slots, read once at start-up.
struct SubjectCatalogue {
  std::string title;
  std::string productCode;
  std::array<SubjectSlot, kSubjectSlots> subjects;

  // Slot s (1 to 3).
  const SubjectSlot& subject(int s) const { return subjects.at(static_cast<std::size_t>(s - 1)); }
  // The first present slot, or 0 when none is.
  int firstPresentSubject() const;
};

// Extracts the header to "temptext30000.txt" in `dataFolder`, reads it and deletes the file.
// Fails with a message for the pupil when the header cannot be written out or read, when it names
// no subject, or when a present subject's counts are not numbers within the windows' capacity.
Result<SubjectCatalogue> LoadProductHeader(const ContentPackage& package,
                                           const std::filesystem::path& dataFolder);

}  // namespace quillory
