#pragma once

#include <QPointer>
#include <functional>

#include "quillory/practice/practice_window.h"

namespace quillory {

// Keeps at most one practice window open: opening a paper first unloads the window of any other.
class PracticeWindows {
 public:
  PracticeWindows(const Skin& skin, PracticeWindow::Services services)
      : skin_(skin), services_(std::move(services)) {}

  // Opens `choice` in Test1 (first attempt) or Test2 (second). Returns the window, or nullptr
  // when the paper could not be opened (the pupil has been told why).
  PracticeWindow* Open(const PaperChoice& choice);
  // Unloads the open window without a question.
  void CloseAll();
  // Stores what the pupil typed on the open window's page, leaving the window open.
  void StoreOpenAnswers();
  PracticeWindow* current() const { return window_; }

 private:
  const Skin& skin_;
  PracticeWindow::Services services_;
  QPointer<PracticeWindow> window_;
};

}  // namespace quillory
