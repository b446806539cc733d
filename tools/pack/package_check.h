#pragma once

#include <string>
#include <vector>

#include "quillory/content/content_package.h"

namespace quillory::pack {

// Every rule the program relies on when it reads the package: the header, the tables of every
// subject and how they line up, the answer keys against their types, the templates, the pages and
// the window pictures. Returns one sentence per problem, naming the subject, paper, page and blank
// concerned; an empty list means the package is sound.
std::vector<std::string> CheckPackage(const ContentPackage& package);

}  // namespace quillory::pack
