#include "review_sheet.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "content_folder.h"

namespace quillory::pack {
namespace {

const char* kFigurePaper =
    "@paper 101\n"
    "@page 12001\n"
    "@blank G 1 ;Sand;Wood\n"
    "@explain Sand and wood keep their shape & size.\n"
    "@blank G 1 {space}\n"
    "<p class=\"q\"><b>1.</b> Look at the jar. Name two solids.</p>\n"
    "@figure jar.svg 120 80 A jar\n"
    "@page 12002\n"
    "@blank F 2 29/36\n"
    "@explain 1 - 7/36 = 29/36.\n"
    "@blank X 1 2 3/4\n"
    "<p class=\"q\"><b>2.</b> What fraction is left? Give your answer in its simplest form.</p>\n";

const char* kJar =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"80\">"
    "<rect x=\"10\" y=\"10\" width=\"100\" height=\"60\" fill=\"#4080c0\"/></svg>";

// Figures are drawn and PDF pages laid out by Qt, which wants an application object.
void EnsureGuiApplication() {
  static std::unique_ptr<QGuiApplication> app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "review_sheet_test";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

class ReviewSheetTest : public ContentFolderTest {
 protected:
  void SetUp() override {
    ContentFolderTest::SetUp();
    EnsureGuiApplication();
    WritePaper("101", kFigurePaper);
    folder_.Write("subjects/1-english/figures/jar.svg", kJar);
  }
};

std::string PdfText(const std::string& pdf, const testing::TempFolder& folder) {
  const auto file = folder.Write("sheet.pdf", pdf);
  const std::string command = "pdftotext -layout '" + file.string() + "' - 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char chunk[4096];
  while (pipe && std::fgets(chunk, sizeof chunk, pipe.get()) != nullptr) text += chunk;
  return text;
}

TEST_F(ReviewSheetTest, HtmlSheetShowsEveryPageWithItsPictureAndKeys) {
  auto paper = LoadReviewPaper(folder_.path(), 1, "101");
  ASSERT_TRUE(paper) << paper.error().message;
  ASSERT_EQ(paper->pages.size(), 2u);
  ASSERT_EQ(paper->pages[0].pictures.size(), 1u);
  EXPECT_EQ(paper->pages[0].pictures[0].contentType, "image/png");

  const std::string html = ReviewSheetHtml(*paper);
  EXPECT_NE(html.find("Question page 12001"), std::string::npos);
  EXPECT_NE(html.find("Question page 12002"), std::string::npos);
  EXPECT_NE(html.find("src=\"data:image/png;base64,"), std::string::npos);
  EXPECT_NE(html.find("<b>;Sand;Wood</b>"), std::string::npos);
  // The group's later blank has a key of one space: shown as an open box, numbered on.
  EXPECT_NE(html.find("<td>2</td><td>G</td><td>1</td><td><b>&#9251;</b>"), std::string::npos);
  EXPECT_NE(html.find("<td>3</td><td>F</td><td>2</td><td><b>29/36</b>"), std::string::npos);
  EXPECT_NE(html.find("<td>4</td><td>X</td><td>1</td><td><b>2 3/4</b>"), std::string::npos);
  // Each key carries its worked answer; a blank without one stands out for the proofreader.
  EXPECT_NE(html.find("<b>;Sand;Wood</b><br><i>Sand and wood keep their shape &amp; size.</i>"),
            std::string::npos);
  EXPECT_NE(html.find("<b>29/36</b><br><i>1 - 7/36 = 29/36.</i>"), std::string::npos);
  EXPECT_NE(html.find("<b>2 3/4</b><br><span class=problem>(no explanation)</span>"),
            std::string::npos);
}

TEST_F(ReviewSheetTest, PdfSheetCarriesTheSameTextAndThePicture) {
  auto paper = LoadReviewPaper(folder_.path(), 1, "101");
  ASSERT_TRUE(paper) << paper.error().message;
  auto pdf = ReviewSheetPdf(*paper);
  ASSERT_TRUE(pdf) << pdf.error().message;
  EXPECT_EQ(pdf->substr(0, 5), "%PDF-");
  EXPECT_NE(pdf->find("/Subtype /Image"), std::string::npos);
  const std::string text = PdfText(*pdf, folder_);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* expected :
       {"Subject 1, paper 101", "Question page 12001", "Look at the jar", ";Sand;Wood",
        "keep their shape", "Question page 12002", "29/36", "1 - 7/36"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " not in:\n" << text;
  }
}

TEST_F(ReviewSheetTest, AMissingPaperOrSubjectIsAnError) {
  EXPECT_FALSE(LoadReviewPaper(folder_.path(), 1, "102"));
  EXPECT_FALSE(LoadReviewPaper(folder_.path(), 2, "101"));
}

}  // namespace
}  // namespace quillory::pack
