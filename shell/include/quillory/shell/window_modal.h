#pragma once

#include <functional>

class QDialog;
class QObject;

namespace quillory {

// Shows `dialog` in the skin's colours over its parent's window, which alone waits for it, and
// returns at once: no loop of its own runs, so nothing can be destroyed under a waiting caller.
// When the pupil answers, `answered` hears whether the dialog was accepted, unless `context` is
// gone by then; the dialog then deletes itself.
void OpenWindowModal(QDialog* dialog, const QObject* context,
                     std::function<void(bool accepted)> answered = {});

// Deletes a dialog that is still open without its answer being heard: for an owner that goes
// first and holds what the dialog fills in. Nothing happens when `dialog` is null.
void CloseUnheard(QDialog* dialog);

}  // namespace quillory
