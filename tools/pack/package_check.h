#pragma once

#include <string>
#include <vector>

#include "quillory/content/content_package.h"

namespace quillory::pack {

// Every rule the program relies on when it reads the package: the header, the tables of every
// subject and how they line up, the answer keys against their types, every blank's worked answer,
// the share of multiple-choice blanks a pupil could guess by length, the templates, the pages and
// the window pictures. Returns one sentence per problem, naming the subject, paper, page and blank
// concerned; an empty list means the package is sound. `figures`, when given, receives one line per subject of what the check measured on the way.
std::vector<std::string> CheckPackage(const ContentPackage& package,
                                      std::vector<std::string>* figures = nullptr);

}  // namespace quillory::pack
