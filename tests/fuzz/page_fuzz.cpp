#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "quillory/content/content_package.h"
#include "quillory/content/mhtml.h"
#include "quillory/content/record_file.h"

// Arbitrary bytes through everything that reads what the program did not write itself: question
// pages, record tables and result files, and the content package. Besides not crashing, the
// decoder must keep its own promises.
namespace {

using namespace quillory;

void Check(bool condition) {
  if (!condition) std::abort();
}

void DecodePage(std::string_view bytes) {
  const MhtmlDocument page = DecodeMhtml(bytes);
  Check(page.root <= page.parts.size());
  for (const MhtmlPart& part : page.parts) {
    if (!part.location.empty()) Check(FindPart(page, part.location) != nullptr);
    std::string cid = "cid:";
    for (char c : part.contentId) cid += c == '%' ? std::string("%25") : std::string(1, c);
    if (!part.contentId.empty()) Check(FindPart(page, cid) != nullptr);
  }
  Check(DecodeBase64(EncodeBase64(bytes)) == bytes);
  std::string lineEnds;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) lineEnds += '\r';
    lineEnds += bytes[i];
  }
  Check(DecodeQuotedPrintable(EncodeQuotedPrintable(bytes)) == lineEnds);
}

void ReadRecords(std::string_view bytes) {
  for (std::string_view line : SplitLines(bytes)) {
    LeadingKey(line);
    for (int n : {1, 3, kBlankCapacity + 1}) (void)SplitRecordLine(line, n, kBlankCapacity);
  }
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("quillory-fuzz-" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  (void)ReadRecordValue(path, "NME");
  (void)ReadRecordLine(path, "101");
  (void)ReadRecordList(path, "TN1", 3, kTopicCapacity);
  (void)ReadWholeRecordList(path, "101");
  (void)ReadNumberedLines(path, 5);
  const std::vector<std::string> keys = {"12001", "12002", "12301"};
  if (auto counts = CountRecordValues(path, keys)) Check(counts->size() <= keys.size());
  (void)ReadJoinedLists(path, keys);
}

void OpenPackage(std::string_view bytes) {
  const auto package = ContentPackage::FromBytes(bytes);
  if (!package) return;
  for (std::uint16_t id : package->Ids()) {
    const auto member = package->Member(id);
    Check(member.has_value());
    Check(member->data() >= bytes.data() &&
          member->data() + member->size() <= bytes.data() + bytes.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DecodePage(bytes);
  ReadRecords(bytes);
  OpenPackage(bytes);
  return 0;
}
