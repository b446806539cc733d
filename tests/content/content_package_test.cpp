#include "quillory/content/content_package.h"

#include <gtest/gtest.h>

#include "../support/sample_package.h"
#include "../support/temp_folder.h"
#include "quillory/content/graphics_catalogue.h"
#include "quillory/content/paper_tables.h"
#include "quillory/content/subject_catalogue.h"

namespace quillory {
namespace {

using testing::SamplePackage;
using testing::TempFolder;

TEST(ContentPackage, MembersComeOutByteForByte) {
  const std::string binary("\0\xFF\r\n\x1A", 5);
  SamplePackage package({{7, binary}, {30000, "header"}, {12001, ""}});
  EXPECT_EQ(package->Member(7), binary);
  EXPECT_EQ(package->Member(12001), "");
  EXPECT_FALSE(package->Member(8).has_value());
  EXPECT_EQ(package->Ids(), (std::vector<std::uint16_t>{7, 12001, 30000}));
}

TEST(ContentPackage, RefusesDamagedBytes) {
  std::string bytes = ContentPackage::Build({{1, "abc"}, {2, "defg"}});
  EXPECT_FALSE(ContentPackage::FromBytes(bytes.substr(0, 10)).ok());
  EXPECT_FALSE(ContentPackage::FromBytes("QPKX" + bytes.substr(4)).ok());
  bytes[20] = '\x7F';  // first member's size far beyond the end
  EXPECT_FALSE(ContentPackage::FromBytes(bytes).ok());
  EXPECT_FALSE(ContentPackage::FromBytes(bytes.substr(0, 12) + std::string(4, '\xFF')).ok());
}

TEST(ExtractResource, WritesExactlyTheMemberEachTime) {
  TempFolder folder;
  SamplePackage package({{1, "short"}, {2, std::string(4096, 'L')}});
  const auto path = folder / "member.bin";
  ASSERT_EQ(ExtractResource(*package, 2, path), 0);
  ASSERT_EQ(ExtractResource(*package, 1, path), 0);
  ASSERT_EQ(ExtractResource(*package, 1, path), 0);
  EXPECT_EQ(folder.Read("member.bin"), "short");
}

TEST(ExtractResource, AnUnknownIdWritesNothing) {
  TempFolder folder;
  SamplePackage package({{1, "x"}});
  EXPECT_EQ(ExtractResource(*package, 99, folder / "none.bin"), kNoSuchMember);
  EXPECT_FALSE(std::filesystem::exists(folder / "none.bin"));
  EXPECT_FALSE(ExtractResourceMessage(kNoSuchMember).empty());
}

TEST(ExtractResource, CreatesNoFolder) {
  TempFolder folder;
  SamplePackage package({{1, "x"}});
  EXPECT_EQ(ExtractResource(*package, 1, folder / "Graphics" / "a.bmp"), ENOENT);
  EXPECT_FALSE(std::filesystem::exists(folder / "Graphics"));
}

TEST(InstallGraphics, WritesEveryPictureTheContentHasIntoANewFolder) {
  TempFolder folder;
  SamplePackage package(SamplePackage::Members());
  const auto data = folder / "deep" / "quillory";
  InstallGraphics(*package, data);
  EXPECT_EQ(folder.Read("deep/quillory/Graphics/about_off.bmp"), "BM-about-off");
  EXPECT_EQ(folder.Read("deep/quillory/Graphics/Border_bot_right.gif"), "GIF89a-corner");
  EXPECT_FALSE(std::filesystem::exists(data / "Graphics" / "about_on.bmp"));
}

TEST(GraphicsCatalogue, ListsEightyNinePicturesByAscendingId) {
  const auto catalogue = graphicsCatalogue();
  ASSERT_EQ(catalogue.size(), 89u);
  for (std::size_t i = 1; i < catalogue.size(); ++i)
    EXPECT_LT(catalogue[i - 1].id, catalogue[i].id);
  EXPECT_EQ(findGraphic(38), nullptr);
  EXPECT_EQ(findGraphic(82)->fileName, "Handle.bmp");
}

TEST(LoadProductHeader, ReadsTheSubjectsAndDeletesTheTemporaryFile) {
  TempFolder folder;
  SamplePackage package(SamplePackage::Members());
  auto catalogue = LoadProductHeader(*package, folder.path());
  ASSERT_TRUE(catalogue.ok()) << catalogue.error().message;
  EXPECT_EQ(catalogue->title, "Practice Papers");
  EXPECT_EQ(catalogue->productCode, "QP");
  EXPECT_EQ(catalogue->subject(1).name, "English");
  EXPECT_EQ(catalogue->subject(2).topicNames[0], "Whole Numbers");
  EXPECT_EQ(catalogue->subject(2).topicNames[1], "");
  EXPECT_EQ(catalogue->subject(2).paperCount, 2);
  EXPECT_FALSE(catalogue->subject(3).present());
  EXPECT_FALSE(std::filesystem::exists(folder / "temptext30000.txt"));
}

TEST(LoadProductHeader, AnAbsentSubjectsCountsAreNeverRead) {
  TempFolder folder;
  auto members = SamplePackage::Members("");
  // Subject 2 is absent, so its broken counts must not matter.
  members[30000] = SamplePackage::Table(
      "#NME#>P\r\n#COD#>QP\r\n#LAH#>English\r\n#LBH#>\r\n#LCH#>Science\r\n"
      "#TT1#>1\r\n#TP1#>5\r\n#TN1#>Grammar\r\n#TT2#>many\r\n#TT3#>2\r\n#TP3#>10\r\n#TN3#>Heat>"
      "Light\r\n");
  SamplePackage package(members);
  auto catalogue = LoadProductHeader(*package, folder.path());
  ASSERT_TRUE(catalogue.ok()) << catalogue.error().message;
  EXPECT_EQ(catalogue->firstPresentSubject(), 1);
  EXPECT_FALSE(catalogue->subject(2).present());
  EXPECT_EQ(catalogue->subject(2).topicCount, 0);
  EXPECT_EQ(catalogue->subject(3).topicNames[1], "Light");
}

struct BadHeader {
  const char* why;
  std::string lines;
};

class LoadProductHeaderFails : public ::testing::TestWithParam<BadHeader> {};

TEST_P(LoadProductHeaderFails, WithAMessage) {
  TempFolder folder;
  auto members = SamplePackage::Members();
  members[30000] = SamplePackage::Table(GetParam().lines);
  SamplePackage package(members);
  auto catalogue = LoadProductHeader(*package, folder.path());
  ASSERT_FALSE(catalogue.ok());
  EXPECT_FALSE(catalogue.error().message.empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "temptext30000.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, LoadProductHeaderFails,
    ::testing::Values(BadHeader{"no subject", "#NME#>P\r\n#COD#>QP\r\n"},
                      BadHeader{"topic count not a number", "#LAH#>E\r\n#TT1#>six\r\n#TP1#>30\r\n"},
                      BadHeader{"too many topics", "#LAH#>E\r\n#TT1#>11\r\n#TP1#>50\r\n"},
                      BadHeader{"papers beyond topics",
                                "#LAH#>E\r\n#TT1#>1\r\n#TP1#>6\r\n#TN1#>A\r\n"},
                      BadHeader{"missing names", "#LAH#>E\r\n#TT1#>2\r\n#TP1#>10\r\n#TN1#>A\r\n"}));

TEST(LoadProductHeader, FailsWhenTheFolderCannotBeWritten) {
  TempFolder folder;
  SamplePackage package(SamplePackage::Members());
  auto catalogue = LoadProductHeader(*package, folder / "missing");
  ASSERT_FALSE(catalogue.ok());
  EXPECT_EQ(catalogue.error().code, ENOENT);
}

TEST(LoadPaperTables, KeysAreUniqueOnlyWithinASubject) {
  TempFolder folder;
  SamplePackage package(SamplePackage::Members());
  auto english = LoadPaperTables(*package, folder.path(), 1, "101");
  auto maths = LoadPaperTables(*package, folder.path(), 2, "101");
  ASSERT_TRUE(english.ok() && maths.ok());
  EXPECT_EQ(english->questionIds, (std::vector<std::string>{"12001", "12002"}));
  EXPECT_EQ(maths->questionIds, (std::vector<std::string>{"22001", "22002"}));
  EXPECT_EQ(maths->answerKeys, (RecordList{"1500109", "29/36"}));
  EXPECT_EQ(maths->marks, (RecordList{"1", "2"}));
  EXPECT_FALSE(std::filesystem::exists(folder / "temptext.txt"));
}

TEST(LoadPaperTables, AClozePageGivesTenAlignedBlanks) {
  TempFolder folder;
  SamplePackage package(SamplePackage::Members());
  auto paper = LoadPaperTables(*package, folder.path(), 1, "102");
  ASSERT_TRUE(paper.ok());
  EXPECT_EQ(paper->blanksPerPage, std::vector<int>{10});
  EXPECT_EQ(paper->blankCount(), 10);
  EXPECT_EQ(paper->answerKeys.front(), "a");
  EXPECT_EQ(paper->answerKeys.back(), "is");
  EXPECT_EQ(paper->answerTypes, RecordList(10, "T"));
}

TEST(LoadPaperTables, APaperWithoutPagesIsNotReady) {
  TempFolder folder;
  SamplePackage package(SamplePackage::Members());
  auto paper = LoadPaperTables(*package, folder.path(), 2, "102");
  ASSERT_FALSE(paper.ok());
  EXPECT_NE(paper.error().message.find("not ready"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "temptext.txt"));
}

TEST(LoadPaperTables, ListsThatDoNotLineUpAreRefused) {
  TempFolder folder;
  auto members = SamplePackage::Members();
  members[30025] = SamplePackage::Table("#22001#>1\r\n#22002#>2>2\r\n");
  SamplePackage package(members);
  EXPECT_FALSE(LoadPaperTables(*package, folder.path(), 2, "101").ok());
}

}  // namespace
}  // namespace quillory

namespace quillory {
namespace {

TEST(InstallGraphics, MendsAChangedPictureAndLeavesGoodOnesAlone) {
  testing::TempFolder folder;
  testing::SamplePackage package(testing::SamplePackage::Members());
  InstallGraphics(*package, folder.path());
  folder.Write("Graphics/about_off.bmp", "BM-about-of");           // cut short
  folder.Write("Graphics/Border_bot_right.gif", "GIF89a-cornex");  // same size, other bytes
  InstallGraphics(*package, folder.path());
  EXPECT_EQ(folder.Read("Graphics/about_off.bmp"), "BM-about-off");
  EXPECT_EQ(folder.Read("Graphics/Border_bot_right.gif"), "GIF89a-corner");
}

}  // namespace
}  // namespace quillory
