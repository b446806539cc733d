#pragma once

#include <QColor>
#include <QImage>
#include <functional>
#include <map>
#include <string>

namespace quillory::art {

struct Recipe {
  std::function<QImage()> draw;
  // The colour kept in the see-through palette slot of a GIF, which viewers that ignore
  // transparency show instead.
  QColor clearColour = Qt::black;
};

// Every picture the program knows how to draw, by file name.
using PictureBook = std::map<std::string, Recipe, std::less<>>;

void addToolbarButtons(PictureBook& book);
void addWindowFrame(PictureBook& book);
void addTitleButtons(PictureBook& book);
void addHomePieces(PictureBook& book);
void addPushButtons(PictureBook& book);
void addStatusPieces(PictureBook& book);
void addDecorations(PictureBook& book);
void addWindowIcons(PictureBook& book);

PictureBook allPictures();

}  // namespace quillory::art
