#include "quillory/practice/practice_windows.h"

namespace quillory {

PracticeWindow* PracticeWindows::Open(const PaperChoice& choice) {
  CloseAll();
  PracticeWindow* window =
      choice.attempt == 1 ? static_cast<PracticeWindow*>(new FirstAttemptWindow(skin_, services_))
                          : new SecondAttemptWindow(skin_, services_);
  if (!window->Form_Load(choice)) {
    delete window;
    return nullptr;
  }
  window->show();
  window_ = window;
  return window;
}

void PracticeWindows::CloseAll() {
  if (window_) window_->Unload();
  window_ = nullptr;
}

void PracticeWindows::StoreOpenAnswers() {
  if (window_) window_->StoreCurrentAnswers();
}

}  // namespace quillory
