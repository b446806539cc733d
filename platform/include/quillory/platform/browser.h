#pragma once

#include <QUrl>
#include <functional>

class QObject;

namespace quillory {

enum class BrowserOutcome { Opened, NoBrowser, Failed };

// Opens `url` in the desktop's web browser through xdg-open, as found on the PATH. The outcome
// follows through `done`, from the event loop, and never once `context` is gone: NoBrowser when
// there is no xdg-open; Failed when it could not be started or ended in failure (as it does, with
// exit code 3, on a desktop that has no way to open web pages); Opened when it succeeded, or is
// still running after a few seconds (it may wait for the browser it started).
void OpenInBrowser(const QUrl& url, QObject* context, std::function<void(BrowserOutcome)> done);

}  // namespace quillory
