#pragma once

#include <QString>

namespace quillory {

// The per-user folder that holds the pupil's result files, the window pictures and the
// temporary files: created with its parents when missing. Empty, with `error` set, when it cannot
// be created or written. The folder and everything in it is made the user's alone (0700, 0600).
QString DataFolder(QString* error);

// Removes what a run that ended abruptly left behind: half-written files and the page and table
// files that are only meant to live while they are read. Only safe while holding the lock.
void RemoveLeftovers(const QString& dataFolder);

}  // namespace quillory
