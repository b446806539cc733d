#include "picture_book.h"

namespace quillory::art {

PictureBook allPictures() {
  PictureBook book;
  addToolbarButtons(book);
  addWindowFrame(book);
  addTitleButtons(book);
  addHomePieces(book);
  addPushButtons(book);
  addStatusPieces(book);
  addDecorations(book);
  addWindowIcons(book);
  return book;
}

}  // namespace quillory::art
