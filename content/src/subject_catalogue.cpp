#include "quillory/content/subject_catalogue.h"

#include <charconv>
#include <system_error>

#include "quillory/content/record_file.h"

namespace quillory {
namespace {

Error HeaderError(const std::string& why) {
  return Error{0, "Quillory cannot read its list of subjects: " + why};
}

// A count as the header writes it: plain decimal digits, nothing else.
bool ParseCount(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

Result<SubjectSlot> ReadSlot(const std::filesystem::path& path, int s, std::string name) {
  SubjectSlot slot;
  slot.name = std::move(name);
  const std::string digit = std::to_string(s);
  auto topics = ReadRecordValue(path, "TT" + digit);
  auto papers = ReadRecordValue(path, "TP" + digit);
  if (!topics || !papers) return (!topics ? topics : papers).error();
  if (!ParseCount(*topics, slot.topicCount) || slot.topicCount < 1 ||
      slot.topicCount > kTopicCapacity) {
    return HeaderError("the number of topics of " + slot.name + " is not 1 to 10.");
  }
  if (!ParseCount(*papers, slot.paperCount) || slot.paperCount < 1 ||
      slot.paperCount > kPaperCapacity || slot.paperCount > kPapersPerTopic * slot.topicCount) {
    return HeaderError("the number of papers of " + slot.name + " does not fit its topics.");
  }
  auto names = ReadRecordList(path, "TN" + digit, slot.topicCount, kTopicCapacity);
  if (!names) return HeaderError("the topic names of " + slot.name + " are incomplete.");
  for (std::size_t i = 0; i < names->size(); ++i) slot.topicNames[i] = (*names)[i];
  return slot;
}

Result<SubjectCatalogue> ReadHeaderFile(const std::filesystem::path& path) {
  SubjectCatalogue catalogue;
  auto title = ReadRecordValue(path, "NME");
  auto code = ReadRecordValue(path, "COD");
  if (!title || !code) return (!title ? title : code).error();
  catalogue.title = *title;
  catalogue.productCode = *code;
  static constexpr std::array<const char*, kSubjectSlots> kNameKeys{"LAH", "LBH", "LCH"};
  for (int s = 1; s <= kSubjectSlots; ++s) {
    auto name = ReadRecordValue(path, kNameKeys[static_cast<std::size_t>(s - 1)]);
    if (!name) return name.error();
    if (name->empty()) continue;
    auto slot = ReadSlot(path, s, *name);
    if (!slot) return slot.error();
    catalogue.subjects[static_cast<std::size_t>(s - 1)] = std::move(slot).value();
  }
  if (catalogue.firstPresentSubject() == 0) return HeaderError("it names no subject.");
  return catalogue;
}

}  // namespace

int SubjectCatalogue::firstPresentSubject() const {
  for (int s = 1; s <= kSubjectSlots; ++s) {
    if (subject(s).present()) return s;
  }
  return 0;
}

Result<SubjectCatalogue> LoadProductHeader(const ContentPackage& package,
                                           const std::filesystem::path& dataFolder) {
  const std::filesystem::path path = dataFolder / "temptext30000.txt";
  if (const int code = ExtractResource(package, kHeaderId, path); code != 0) {
    return Error{code, "Quillory cannot write its list of subjects to \"" + dataFolder.string() +
                           "\": " + ExtractResourceMessage(code)};
  }
  auto catalogue = ReadHeaderFile(path);
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return catalogue;
}

}  // namespace quillory
