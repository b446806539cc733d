#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "encode_picture.h"
#include "palette.h"
#include "quillory/content/graphics_catalogue.h"

namespace quillory {

void PrintTo(const GraphicEntry& e, std::ostream* os) { *os << e.fileName; }

namespace {

const std::filesystem::path kGraphics =
    std::filesystem::path(QUILLORY_SOURCE_DIR) / "assets" / "graphics";

using Bytes = std::vector<std::uint8_t>;

Bytes readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

QImage decode(const Bytes& bytes) {
  return QImage::fromData(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())))
      .convertToFormat(QImage::Format_ARGB32);
}

QImage load(std::string_view name) { return decode(readBytes(kGraphics / std::string(name))); }

std::string testName(std::string_view fileName) {
  std::string out;
  for (char c : fileName) out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return out;
}

// A BMP as the windows' loader reads it: BI_RGB, bottom-up, padded rows, 256 colour-table
// entries at 8 bits.
void expectBmp(const Bytes& b, int bits, int width, int height) {
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(le32(b, 2), b.size());
  EXPECT_EQ(le32(b, 14), 40u);
  EXPECT_EQ(static_cast<std::int32_t>(le32(b, 18)), width);
  EXPECT_EQ(static_cast<std::int32_t>(le32(b, 22)), height) << "rows must run bottom-up";
  EXPECT_EQ(le16(b, 26), 1u);
  EXPECT_EQ(le16(b, 28), static_cast<std::uint32_t>(bits));
  EXPECT_EQ(le32(b, 30), 0u) << "BI_RGB";
  const std::uint32_t tableEntries = bits == 8 ? 256 : 0;
  if (bits == 8) {
    EXPECT_TRUE(le32(b, 46) == 0 || le32(b, 46) == 256);
  }
  const std::uint32_t row = ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
  EXPECT_EQ(le32(b, 10), 54 + tableEntries * 4);
  EXPECT_EQ(b.size(), 54 + tableEntries * 4 + row * static_cast<std::uint32_t>(height));
}

void expectIco(const Bytes& b, int width, int height) {
  ASSERT_GE(b.size(), 62u);
  EXPECT_EQ(le16(b, 0), 0u);
  EXPECT_EQ(le16(b, 2), 1u) << "an icon, not a cursor";
  EXPECT_EQ(le16(b, 4), 1u) << "exactly one image";
  EXPECT_EQ(b[6], width);
  EXPECT_EQ(b[7], height);
  EXPECT_EQ(le16(b, 12), 8u);
  const std::uint32_t size = le32(b, 14);
  const std::uint32_t offset = le32(b, 18);
  EXPECT_EQ(offset + size, b.size());
  ASSERT_LT(offset + 40, b.size());
  EXPECT_EQ(le32(b, offset), 40u);
  EXPECT_EQ(static_cast<std::int32_t>(le32(b, offset + 4)), width);
  EXPECT_EQ(static_cast<std::int32_t>(le32(b, offset + 8)), 2 * height) << "colour + mask";
  EXPECT_EQ(le16(b, offset + 14), 8u) << "256 colours";
  const std::uint32_t xorRow = ((static_cast<std::uint32_t>(width) * 8 + 31) / 32) * 4;
  const std::uint32_t andRow = ((static_cast<std::uint32_t>(width) + 31) / 32) * 4;
  EXPECT_EQ(size, 40 + 256 * 4 + (xorRow + andRow) * static_cast<std::uint32_t>(height));
}

void expectGif(const Bytes& b, int width, int height) {
  ASSERT_GE(b.size(), 14u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "GIF89a");
  EXPECT_EQ(le16(b, 6), static_cast<std::uint32_t>(width));
  EXPECT_EQ(le16(b, 8), static_cast<std::uint32_t>(height));
  EXPECT_TRUE(b[10] & 0x80) << "global colour table";
  EXPECT_EQ(b.back(), 0x3B);
}

class CataloguedPicture : public ::testing::TestWithParam<GraphicEntry> {};

TEST_P(CataloguedPicture, HasItsFormatAndSize) {
  const GraphicEntry& e = GetParam();
  const Bytes bytes = readBytes(kGraphics / std::string(e.fileName));
  ASSERT_FALSE(bytes.empty()) << e.fileName << " is missing";
  switch (e.format) {
    case PictureFormat::Bmp24:
      expectBmp(bytes, 24, e.width, e.height);
      break;
    case PictureFormat::Bmp8:
      expectBmp(bytes, 8, e.width, e.height);
      break;
    case PictureFormat::Ico:
      expectIco(bytes, e.width, e.height);
      break;
    case PictureFormat::Gif:
      expectGif(bytes, e.width, e.height);
      break;
  }
  const QImage image = decode(bytes);
  ASSERT_FALSE(image.isNull()) << "a standard decoder cannot read " << e.fileName;
  EXPECT_EQ(image.width(), e.width);
  EXPECT_EQ(image.height(), e.height);
}

INSTANTIATE_TEST_SUITE_P(Graphics, CataloguedPicture, ::testing::ValuesIn(graphicsCatalogue()),
                         [](const auto& p) { return testName(p.param.fileName); });

TEST(GraphicsFolder, HoldsExactlyTheCataloguedFiles) {
  std::set<std::string> expected;
  for (const GraphicEntry& e : graphicsCatalogue()) expected.emplace(e.fileName);
  std::set<std::string> found;
  for (const auto& item : std::filesystem::directory_iterator(kGraphics)) {
    found.insert(item.path().filename().string());
  }
  EXPECT_EQ(found, expected);
}

// Buttons whose faces the windows swap: toolbar stems ("save_on.bmp"), the title-bar glyphs
// ("prog_blue_close.bmp" and its blueoff and white looks), the tabs, load and push buttons.
std::map<std::string, std::vector<std::string>> buttonFamilies() {
  std::map<std::string, std::vector<std::string>> families;
  for (const GraphicEntry& e : graphicsCatalogue()) {
    const std::string name(e.fileName);
    const std::string stem = name.substr(0, name.rfind('.'));
    if (stem.starts_with("prog_")) {
      families["title_" + stem.substr(stem.rfind('_') + 1)].push_back(name);
      continue;
    }
    for (std::string_view suffix : {"_off", "_on", "_pressed", "_disabled"}) {
      if (stem.ends_with(suffix)) {
        families[stem.substr(0, stem.size() - suffix.size())].push_back(name);
        break;
      }
    }
  }
  return families;
}

// Share of pixels that differ clearly (by more than a faint rounding) in some channel.
double clearlyDifferent(const QImage& a, const QImage& b) {
  int count = 0;
  const int w = std::min(a.width(), b.width());
  const int h = std::min(a.height(), b.height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
      if (d > 24) ++count;
    }
  }
  return static_cast<double>(count) / (w * h);
}

class ButtonFamily : public ::testing::TestWithParam<std::string> {};

TEST_P(ButtonFamily, FacesAreToldApartAtAGlance) {
  const std::vector<std::string> faces = buttonFamilies().at(GetParam());
  ASSERT_GE(faces.size(), 2u);
  for (std::size_t i = 0; i < faces.size(); ++i) {
    for (std::size_t j = i + 1; j < faces.size(); ++j) {
      EXPECT_GT(clearlyDifferent(load(faces[i]), load(faces[j])), 0.03)
          << faces[i] << " and " << faces[j] << " look alike";
    }
  }
}

std::vector<std::string> familyNames() {
  std::vector<std::string> names;
  for (const auto& [name, faces] : buttonFamilies()) names.push_back(name);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Graphics, ButtonFamily, ::testing::ValuesIn(familyNames()),
                         [](const auto& p) { return testName(p.param); });

TEST(ButtonFamilies, CoverEveryToolbarAndTitleButton) {
  const auto families = buttonFamilies();
  for (std::string_view f : {"about", "back", "close", "forward", "home", "mark", "print", "report",
                             "save", "setup", "trash", "title_close", "title_max", "title_min",
                             "title_norm", "tabs_back", "tabs_front", "loadbutton", "button"}) {
    EXPECT_TRUE(families.contains(std::string(f))) << f;
  }
}

// A run of pixels along one row or column of a picture.
struct Strip {
  std::string_view file;
  bool column;
  int index;
  int from;
  int count;
};

std::vector<QRgb> pixels(const Strip& s) {
  const QImage image = load(s.file);
  std::vector<QRgb> out;
  for (int i = s.from; i < s.from + s.count; ++i) {
    out.push_back(s.column ? image.pixel(s.index, i) : image.pixel(i, s.index));
  }
  return out;
}

struct Join {
  std::string_view what;
  Strip a;
  Strip b;
};

// Where a stretched frame piece meets itself or a corner, the pixels on both sides must be the
// same, or the frame shows a seam.
const Join kJoins[] = {
    {"top_centre_tiles",
     {"border_top_center.bmp", true, 0, 0, 28},
     {"border_top_center.bmp", true, 1, 0, 28}},
    {"top_left_to_centre",
     {"border_top_left.bmp", true, 47, 0, 28},
     {"border_top_center.bmp", true, 0, 0, 28}},
    {"top_centre_to_right",
     {"border_top_center.bmp", true, 1, 0, 28},
     {"border_top_right.bmp", true, 0, 0, 28}},
    {"white_left_to_centre",
     {"border_white_top_left.bmp", true, 47, 0, 28},
     {"border_white_top_center.bmp", true, 0, 0, 28}},
    {"white_centre_to_right",
     {"border_white_top_center.bmp", true, 0, 0, 28},
     {"border_white_top_right.bmp", true, 0, 0, 28}},
    {"left_tiles", {"border_left.bmp", false, 0, 0, 4}, {"border_left.bmp", false, 1, 0, 4}},
    {"right_tiles", {"border_right.bmp", false, 0, 0, 4}, {"border_right.bmp", false, 1, 0, 4}},
    {"bottom_tiles", {"border_bot.bmp", true, 0, 0, 4}, {"border_bot.bmp", true, 1, 0, 4}},
    {"left_to_corner",
     {"border_left.bmp", false, 1, 0, 4},
     {"border_left_corners.bmp", false, 0, 0, 4}},
    {"right_to_corner",
     {"border_right.bmp", false, 1, 0, 4},
     {"border_right_corners.bmp", false, 0, 2, 4}},
    {"left_corner_to_bottom",
     {"border_left_corners.bmp", true, 5, 0, 4},
     {"border_bot.bmp", true, 0, 0, 4}},
    {"bottom_to_right_corner",
     {"border_bot.bmp", true, 1, 0, 4},
     {"border_right_corners.bmp", true, 0, 0, 4}},
    {"left_to_box_corner",
     {"border_left.bmp", false, 1, 0, 4},
     {"Border_bot_left.gif", false, 0, 0, 4}},
    {"right_to_box_corner",
     {"border_right.bmp", false, 1, 0, 4},
     {"Border_bot_right.gif", false, 0, 2, 4}},
    {"box_corner_to_bottom",
     {"Border_bot_left.gif", true, 5, 3, 4},
     {"border_bot.bmp", true, 0, 0, 4}},
    {"bottom_to_box_corner",
     {"border_bot.bmp", true, 1, 0, 4},
     {"Border_bot_right.gif", true, 0, 3, 4}},
    {"title_outline_left",
     {"border_top_left.bmp", false, 27, 0, 1},
     {"border_left.bmp", false, 0, 0, 1}},
    {"title_outline_right",
     {"border_top_right.bmp", false, 27, 47, 1},
     {"border_right.bmp", false, 0, 3, 1}},
    {"white_title_outline_left",
     {"border_white_top_left.bmp", false, 27, 0, 1},
     {"border_left.bmp", false, 0, 0, 1}},
    {"white_title_outline_right",
     {"border_white_top_right.bmp", false, 27, 47, 1},
     {"border_right.bmp", false, 0, 3, 1}},
};

void PrintTo(const Join& j, std::ostream* os) { *os << j.what; }

class FrameJoin : public ::testing::TestWithParam<Join> {};

TEST_P(FrameJoin, MeetsWithoutASeam) { EXPECT_EQ(pixels(GetParam().a), pixels(GetParam().b)); }

INSTANTIATE_TEST_SUITE_P(Graphics, FrameJoin, ::testing::ValuesIn(kJoins),
                         [](const auto& p) { return std::string(p.param.what); });

// Pictures are opaque, so the pixels around a shape must be the colour of whatever the window
// puts behind it: the toolbar band, the page, or the bar the title buttons sit on.
struct Surrounding {
  std::string_view file;
  int x;
  int y;
  QRgb colour;
};

constexpr QRgb kBand = 0xFFF4F5EB;
constexpr QRgb kWhite = 0xFFFFFFFF;

std::vector<Surrounding> surroundings() {
  std::vector<Surrounding> out;
  for (const GraphicEntry& e : graphicsCatalogue()) {
    if (e.width == 44 && e.height == 45) {
      out.push_back({e.fileName, 0, 0, kBand});
      out.push_back({e.fileName, 43, 44, kBand});
    }
  }
  for (std::string_view tab : {"tabs_front_off.bmp", "tabs_front_on.bmp"}) {
    out.push_back({tab, 39, 26, kBand});  // the front tab melts into the strip
  }
  for (std::string_view onBand :
       {"tabs_back_off.bmp", "tabs_front_on.bmp", "button_off.bmp", "bottombg1.bmp",
        "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp", "pen.bmp", "Handle.bmp", "bar.bmp"}) {
    out.push_back({onBand, 0, 0, kBand});
  }
  for (std::string_view onPage : {"bullet.bmp", "instruction.gif", "statusgrabber.bmp"}) {
    out.push_back({onPage, 0, 0, kWhite});
  }
  out.push_back({"Logo.gif", 0, 0, 0xFF000000});  // the About page's black band
  return out;
}

void PrintTo(const Surrounding& s, std::ostream* os) { *os << s.file; }

class PictureSurrounding : public ::testing::TestWithParam<Surrounding> {};

TEST_P(PictureSurrounding, MatchesWhatTheWindowShowsBehindIt) {
  const Surrounding& s = GetParam();
  EXPECT_EQ(load(s.file).pixel(s.x, s.y), s.colour) << s.file << " at " << s.x << "," << s.y;
}

INSTANTIATE_TEST_SUITE_P(Graphics, PictureSurrounding, ::testing::ValuesIn(surroundings()),
                         [](const auto& p) {
                           return testName(p.param.file) + "_" + std::to_string(p.param.x) + "_" +
                                  std::to_string(p.param.y);
                         });

TEST(TitleButtons, SitOnTheTitleBarWithoutAVisibleBox) {
  constexpr int kTop = 4;  // (28 - 19) / 2, as the windows centre them
  for (const GraphicEntry& e : graphicsCatalogue()) {
    const std::string name(e.fileName);
    if (!name.starts_with("prog_")) continue;
    const QImage button = load(name);
    const QImage bar = load(name.starts_with("prog_white_") ? "border_white_top_center.bmp"
                                                            : "border_top_center.bmp");
    for (auto [x, y] : {std::pair{0, 0}, {18, 0}, {0, 18}, {18, 18}}) {
      EXPECT_EQ(button.pixel(x, y), bar.pixel(0, y + kTop)) << name << " at " << x << "," << y;
    }
  }
}

TEST(MessageBoxCorners, AreSeeThroughOutsideTheCurveAndInsideTheFrame) {
  const QImage left = load("Border_bot_left.gif");
  const QImage right = load("Border_bot_right.gif");
  EXPECT_EQ(qAlpha(left.pixel(0, 6)), 0);
  EXPECT_EQ(qAlpha(left.pixel(5, 0)), 0);
  EXPECT_EQ(qAlpha(right.pixel(5, 6)), 0);
  EXPECT_EQ(qAlpha(right.pixel(0, 0)), 0);
}

// The committed pictures are exactly what the drawing program makes now, and it makes the same
// bytes every time: a change to the drawing code must come with the regenerated pictures.
TEST(GraphicsFolder, IsWhatQuilloryArtDraws) {
  const std::filesystem::path out =
      std::filesystem::path(::testing::TempDir()) / "quillory-art-check";
  std::filesystem::remove_all(out);
  const std::string command =
      std::string("\"") + QUILLORY_ART_TOOL + "\" \"" + out.string() + "\" > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const GraphicEntry& e : graphicsCatalogue()) {
    EXPECT_EQ(readBytes(out / std::string(e.fileName)),
              readBytes(kGraphics / std::string(e.fileName)))
        << e.fileName << " is out of date: run quillory-art assets/graphics";
  }
  std::filesystem::remove_all(out);
}

// A test picture with `colours` distinct colours in a pattern that defeats run-length luck.
QImage pattern(int width, int height, int colours, bool withHoles) {
  QImage image(width, height, QImage::Format_ARGB32);
  std::uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245u + 12345u;
      const int c = static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(colours));
      const bool hole = withHoles && (x + y) % 7 == 0;
      image.setPixel(x, y, hole ? qRgba(0, 0, 0, 0) : qRgb(c * 37 % 256, c * 11 % 256, c));
    }
  }
  return image;
}

struct RoundTrip {
  std::string_view what;
  PictureFormat format;
  int width;
  int height;
  int colours;
  bool holes;
};

const RoundTrip kRoundTrips[] = {
    {"bmp24_odd_width", PictureFormat::Bmp24, 37, 23, 200, false},
    {"bmp8_odd_width", PictureFormat::Bmp8, 37, 23, 200, false},
    {"bmp8_two_colours", PictureFormat::Bmp8, 5, 3, 2, false},
    {"bmp8_unpadded_rows", PictureFormat::Bmp8, 16, 4, 30, false},
    {"gif_one_colour", PictureFormat::Gif, 7, 5, 1, false},
    {"gif_small_palette", PictureFormat::Gif, 33, 9, 3, false},
    {"gif_with_holes", PictureFormat::Gif, 40, 30, 60, true},
    {"gif_fills_the_code_table", PictureFormat::Gif, 300, 200, 255, false},
    {"ico_16_opaque", PictureFormat::Ico, 16, 16, 90, false},
    {"ico_16_with_holes", PictureFormat::Ico, 16, 16, 90, true},
    {"ico_32_with_holes", PictureFormat::Ico, 32, 32, 200, true},
};

void PrintTo(const RoundTrip& t, std::ostream* os) { *os << t.what; }

class WriterRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(WriterRoundTrip, ReadsBackTheSamePixels) {
  const RoundTrip& t = GetParam();
  const QImage original = pattern(t.width, t.height, t.colours, t.holes);
  const QImage back = decode(art::encodePicture(t.format, original, qRgb(0, 0, 0)));
  ASSERT_EQ(back.size(), original.size());
  for (int y = 0; y < t.height; ++y) {
    for (int x = 0; x < t.width; ++x) {
      const QRgb want = original.pixel(x, y);
      const QRgb got = back.pixel(x, y);
      if (qAlpha(want) == 0) {
        ASSERT_EQ(qAlpha(got), 0) << x << "," << y;
      } else {
        ASSERT_EQ(got, want) << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& p) { return std::string(p.param.what); });

TEST(Quantise, KeepsAMainColourExactWhenColoursMustMerge) {
  const QColor flat(244, 245, 235);
  QImage image(100, 40, QImage::Format_ARGB32);
  image.fill(flat);
  for (int x = 0; x < 100; ++x) {
    for (int y = 30; y < 40; ++y) image.setPixel(x, y, qRgb(x * 2, y * 6, (x * y) % 256));
  }
  const art::IndexedImage indexed = art::quantise(image);
  ASSERT_LE(indexed.palette.size(), 256u);
  EXPECT_EQ(indexed.palette[indexed.at(10, 10)], flat.rgb());
}

}  // namespace
}  // namespace quillory
