#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillory/content/file_io.h"
#include "quillory/content/result.h"

namespace quillory {

// The numbered members the program carries: graphics, product header, subject tables, result
// file templates and question pages. A package is a read-only view over bytes that outlive it
// (linked into the program, or a file the caller keeps loaded); members come out byte for byte.
//
// Layout, little-endian: "QPKG", version 1, member count, then per member its id, offset and
// size, ascending by id, then the member bytes.
class ContentPackage {
 public:
  static Result<ContentPackage> FromBytes(std::string_view bytes);

  // Serialises members into the layout FromBytes reads.
  static std::string Build(const std::map<std::uint16_t, std::string>& members);

  std::optional<std::string_view> Member(std::uint16_t id) const;
  std::vector<std::uint16_t> Ids() const;

 private:
  struct Entry {
    std::uint16_t id;
    std::string_view bytes;
  };
  explicit ContentPackage(std::vector<Entry> entries) : entries_(std::move(entries)) {}
  std::vector<Entry> entries_;
};

// The error number ExtractResource returns for an id the package does not hold.
inline constexpr int kNoSuchMember = 1812;

// Writes member `id` to `path`, replacing any file there, so that the file holds exactly the
// member's bytes. Returns 0, or a nonzero error number (an errno value, or kNoSuchMember) after
// which nothing was written. Creates no folder and never throws. Files the pupil's work lives in
// are written Flushed; pictures, pages and tables need not wait for the disk.
int ExtractResource(const ContentPackage& package, std::uint16_t id,
                    const std::filesystem::path& path,
                    Durability durability = Durability::Unflushed) noexcept;

// A sentence for a nonzero result of ExtractResource.
std::string ExtractResourceMessage(int code);

// Creates the "Graphics" folder of `dataFolder` with any missing parents and makes every window
// picture in it, under its own name, hold exactly the package's bytes. A picture that cannot be
// written is skipped: the window that loads it shows it missing.
void InstallGraphics(const ContentPackage& package, const std::filesystem::path& dataFolder);

// The folder InstallGraphics writes to.
std::filesystem::path GraphicsFolder(const std::filesystem::path& dataFolder);

}  // namespace quillory
