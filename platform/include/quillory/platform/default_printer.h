#pragma once

#include <QString>

namespace quillory {

// Makes `printer` the user's default printer as CUPS keeps it (what `lpoptions -d` sets), so that
// it is the printer used at the next start and by every other program. Returns an empty text on
// success, otherwise the reason it could not be kept, in words for the pupil.
QString KeepAsDefaultPrinter(const QString& printer);

}  // namespace quillory
