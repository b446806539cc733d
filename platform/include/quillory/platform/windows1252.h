#pragma once

#include <QString>
#include <string>
#include <string_view>

// The result files keep text as Windows-1252 bytes; the windows work in Unicode. These convert at
// that boundary only.
namespace quillory {

QString FromWindows1252(std::string_view bytes);

// The bytes of `text`; false in `*ok` (and '?' in place) for a character the code page lacks.
std::string ToWindows1252(const QString& text, bool* ok = nullptr);

// True for a character an answer may hold: printable and in the code page.
bool FitsWindows1252(QChar c);

}  // namespace quillory
