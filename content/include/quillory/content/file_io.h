#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "quillory/content/result.h"

namespace quillory {

// How long a written file must last. The pupil's work must survive a power cut; a page or table
// written out only to be read at once and deleted need not wait for the disk.
enum class Durability { Flushed, Unflushed };

// Replaces the file at `path` with `bytes` so that, whatever happens, the file afterwards holds
// either its old bytes or the new ones: the bytes go to a temporary file in the same folder,
// which is renamed over the old file; when Flushed, the file is on disk before the rename and the
// folder after it. On any failure the old file is left as it was and the temporary is removed.
// No folder is created.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           Durability durability = Durability::Flushed);

// The whole content of a file, bytes unchanged, or why it could not be read.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

// Removes the temporary files that a write killed half-way left in `folder` (not its
// subfolders); returns how many were removed.
int RemoveLeftoverTemporaries(const std::filesystem::path& folder);

// True for a name that WriteFileAtomically uses for its temporary files.
bool IsAtomicTemporaryName(std::string_view fileName);

// "Could not <what> "<file>": <reason>." for an errno value.
Error FileError(int code, std::string_view what, const std::filesystem::path& path);

}  // namespace quillory
