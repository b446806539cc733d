#pragma once

#include <QUrl>

namespace quillory {

enum class BrowserOutcome { Opened, NoBrowser, Failed };

// Opens `url` in the desktop's web browser (through xdg-open). NoBrowser when the desktop has no
// way to open web pages, Failed when it could not be started.
BrowserOutcome OpenInBrowser(const QUrl& url);

}  // namespace quillory
