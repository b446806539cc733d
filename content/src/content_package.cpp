#include "quillory/content/content_package.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "quillory/content/file_io.h"
#include "quillory/content/graphics_catalogue.h"

namespace quillory {
namespace {

constexpr std::string_view kMagic = "QPKG";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kEntrySize = 12;

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

void AppendU32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

Error Damaged(const std::string& why) {
  return Error{0, "The content of Quillory is damaged (" + why + "). Please reinstall Quillory."};
}

}  // namespace

Result<ContentPackage> ContentPackage::FromBytes(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || bytes.substr(0, 4) != kMagic) return Damaged("no header");
  if (ReadU32(bytes, 4) != kVersion) return Damaged("unknown version");
  const std::uint32_t count = ReadU32(bytes, 8);
  if (count > (bytes.size() - kHeaderSize) / kEntrySize) return Damaged("index too long");
  std::vector<Entry> entries;
  entries.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = kHeaderSize + i * kEntrySize;
    const std::uint32_t id = ReadU32(bytes, at);
    const std::uint32_t offset = ReadU32(bytes, at + 4);
    const std::uint32_t size = ReadU32(bytes, at + 8);
    if (id > 0xFFFF || offset > bytes.size() || size > bytes.size() - offset) {
      return Damaged("member " + std::to_string(id) + " out of bounds");
    }
    if (!entries.empty() && entries.back().id >= id) return Damaged("index out of order");
    entries.push_back({static_cast<std::uint16_t>(id), bytes.substr(offset, size)});
  }
  return ContentPackage(std::move(entries));
}

std::string ContentPackage::Build(const std::map<std::uint16_t, std::string>& members) {
  std::string out(kMagic);
  AppendU32(out, kVersion);
  AppendU32(out, static_cast<std::uint32_t>(members.size()));
  std::size_t offset = kHeaderSize + members.size() * kEntrySize;
  for (const auto& [id, bytes] : members) {
    AppendU32(out, id);
    AppendU32(out, static_cast<std::uint32_t>(offset));
    AppendU32(out, static_cast<std::uint32_t>(bytes.size()));
    offset += bytes.size();
  }
  for (const auto& [id, bytes] : members) out += bytes;
  return out;
}

std::optional<std::string_view> ContentPackage::Member(std::uint16_t id) const {
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), id,
                                   [](const Entry& e, std::uint16_t key) { return e.id < key; });
  if (it == entries_.end() || it->id != id) return std::nullopt;
  return it->bytes;
}

std::vector<std::uint16_t> ContentPackage::Ids() const {
  std::vector<std::uint16_t> ids;
  ids.reserve(entries_.size());
  for (const auto& entry : entries_) ids.push_back(entry.id);
  return ids;
}

int ExtractResource(const ContentPackage& package, std::uint16_t id,
                    const std::filesystem::path& path, Durability durability) noexcept {
  try {
    const auto member = package.Member(id);
    if (!member) return kNoSuchMember;
    const Status status = WriteFileAtomically(path, *member, durability);
    if (status) return 0;
    return status.error().code != 0 ? status.error().code : EIO;
  } catch (...) {
    return ENOMEM;
  }
}

std::string ExtractResourceMessage(int code) {
  if (code == kNoSuchMember) return "This part of the content is not in Quillory.";
  return std::system_category().message(code) + ".";
}

std::filesystem::path GraphicsFolder(const std::filesystem::path& dataFolder) {
  return dataFolder / "Graphics";
}

void InstallGraphics(const ContentPackage& package, const std::filesystem::path& dataFolder) {
  std::error_code ec;
  const std::filesystem::path folder = GraphicsFolder(dataFolder);
  std::filesystem::create_directories(folder, ec);
  for (const GraphicEntry& graphic : graphicsCatalogue()) {
    const auto path = folder / std::string(graphic.fileName);
    const auto member = package.Member(graphic.id);
    // Reading a picture back is far cheaper than replacing it, so a start-up with the pictures
    // already in place writes nothing; a changed or damaged picture is written anew.
    if (member && std::filesystem::file_size(path, ec) == member->size() && !ec) {
      if (auto onDisk = ReadWholeFile(path); onDisk && *onDisk == *member) continue;
    }
    ExtractResource(package, graphic.id, path);
  }
}

}  // namespace quillory
