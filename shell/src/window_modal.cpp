#include "quillory/shell/window_modal.h"

#include <QDialog>

#include "quillory/shell/skin_palette.h"

namespace quillory {

void OpenWindowModal(QDialog* dialog, const QObject* context,
                     std::function<void(bool accepted)> answered) {
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  ApplySkinPalette(dialog);
  if (answered) {
    QObject::connect(
        dialog, &QDialog::finished, context,
        [answered = std::move(answered)](int result) { answered(result == QDialog::Accepted); });
  }
  dialog->open();
}

void CloseUnheard(QDialog* dialog) {
  if (dialog == nullptr) return;
  dialog->disconnect();
  delete dialog;
}

}  // namespace quillory
