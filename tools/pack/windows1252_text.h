#pragma once

#include <string>
#include <string_view>

#include "quillory/content/result.h"

namespace quillory::pack {

// The sources are UTF-8; the tables the program reads hold Windows-1252 bytes. Fails naming the
// first character the code page cannot hold, or a byte sequence that is not UTF-8.
Result<std::string> Utf8ToWindows1252(std::string_view utf8);

}  // namespace quillory::pack
