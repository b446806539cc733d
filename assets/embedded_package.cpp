#include "quillory/assets/embedded_package.h"

extern "C" const char quillory_package_begin[];
extern "C" const char quillory_package_end[];

namespace quillory {

std::string_view EmbeddedPackageBytes() {
  return {quillory_package_begin,
          static_cast<std::size_t>(quillory_package_end - quillory_package_begin)};
}

}  // namespace quillory
