#pragma once

#include <string_view>

namespace quillory {

// The bytes of the content package linked into the program.
std::string_view EmbeddedPackageBytes();

}  // namespace quillory
