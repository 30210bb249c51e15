// The picture the simulated SpringBoard draws, read back from the PNG: at the places the
// scene gives its views, the pixels carry the platform's colours with the flags off and the
// user's colours with the lock-screen and status-bar tints on.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "hosts/springboard/picture_layout.h"
#include "tests/support/child_process.h"
#include "tests/support/device_root.h"

namespace {

using springboard::Colour;
using springboard::Frame;
using springboard::View;
namespace layout = springboard::picture;
using namespace std::chrono_literals;

Colour over(const Colour& top, const Colour& below) {
  auto mix = [&](double t, double b) { return t * top.alpha + b * (1 - top.alpha); };
  return Colour{mix(top.red, below.red), mix(top.green, below.green), mix(top.blue, below.blue), 1};
}
Colour hex(unsigned rgb) {
  return Colour{((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, 1};
}

// Places on the lock screen, in picture pixels.
struct Place {
  const char* what;
  double x, y;
};
Place onLockScreen(const char* what, double x, double y) {
  return Place{what, layout::kLockScreen.x + x, layout::kLockScreen.y + y};
}
Place centreOf(const char* what, const Frame& f) {
  return Place{what, f.x + f.width / 2, f.y + f.height / 2};
}

const Frame kBattery = springboard::frameOf(View::kBatteryHalf);
const Frame kTopGrabber = springboard::frameOf(View::kTopGrabberBackground);
const Place kStatusBar = onLockScreen("status-bar background", 230, 10);
const Place kSignalDot = onLockScreen("signal dot", layout::signalDotX(0), layout::kSignalDotY);
const Place kBatteryLevel = onLockScreen("battery level", kBattery.x + 4, kBattery.y + 5);
// Inside the chevron whether it sits at its offset of 2 or is lifted to 0.
const Place kChevron = onLockScreen("chevron", 33.5, 491.5);
// The slide-to-unlock tint, above its text.
const Place kSlideTint = onLockScreen("slide-to-unlock tint", 250, 474);
const Place kTopGrabber_ = onLockScreen("top grabber", kTopGrabber.x + kTopGrabber.width / 2,
                                        kTopGrabber.y + kTopGrabber.height / 2);
const Place kSwatch3 = centreOf("vmColor3 swatch", layout::swatchFrame(3));

class SpringBoardPictureTest : public vm::test::DeviceRootTest {
 protected:
  void SetUp() override {
    DeviceRootTest::SetUp();
    stageTweak(VM_TWEAK_DIR);
  }

  // Draws the picture and checks each place's colour.
  void expectPixels(const std::vector<std::pair<Place, Colour>>& expected) {
    std::string file = root() + "/screens.png";
    ASSERT_EQ(vm::test::runProgram(VM_BIN_DIR "/SpringBoard", {"--picture", file}), 0);
    expectPixelsIn(file, expected);
  }

  // Checks each place's colour in a drawn picture, within two steps of rounding.
  static void expectPixelsIn(const std::string& file,
                             const std::vector<std::pair<Place, Colour>>& expected,
                             int width = layout::kWidth) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), width);
    const unsigned char* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    for (const auto& [place, colour] : expected) {
      // ARGB32 in native order; the picture is opaque, so nothing is premultiplied away.
      uint32_t pixel = *reinterpret_cast<const uint32_t*>(
          data + static_cast<int>(place.y) * stride + static_cast<int>(place.x) * 4);
      auto near = [](uint32_t channel, double want) {
        return std::abs(static_cast<int>(channel) - static_cast<int>(std::lround(want * 255))) <= 2;
      };
      EXPECT_TRUE(near((pixel >> 16) & 0xff, colour.red) &&
                  near((pixel >> 8) & 0xff, colour.green) && near(pixel & 0xff, colour.blue))
          << place.what << ": pixel 0x" << std::hex << (pixel & 0xffffff) << ", expected "
          << std::dec << colour.red << " " << colour.green << " " << colour.blue;
    }
    cairo_surface_destroy(image);
  }
};

// From the platform's own colours with the flags off to the user's colours with the tints on;
// the lock-screen tint alone colours the status-bar text with vmColor6.
TEST_F(SpringBoardPictureTest, EachTintReachesThePicture) {
  const Colour white{1, 1, 1, 1};
  const Colour slideArea = over(Colour{0, 0, 0, 0.25}, layout::kLockWallpaper);
  const struct {
    const char* settings;
    std::vector<std::pair<Place, Colour>> pixels;
  } rows[] = {
      {"",
       {{kStatusBar, Colour{0, 0, 0, 1}},
        {kSignalDot, white},
        {kBatteryLevel, white},
        {kChevron, white},
        {kSlideTint, over(Colour{1, 1, 1, 0.6}, slideArea)},
        {kTopGrabber_, over(Colour{1, 1, 1, 0.4}, layout::kLockWallpaper)},
        {kSwatch3, hex(0xa1a1a1)}}},
      {"<key>ENABLED1</key><true/><key>ENABLED2</key><true/>"
       "<key>vmColor2</key><string>#33cc99</string><key>vmColor3</key><string>#00ff00</string>"
       "<key>vmColor5</key><string>#ff00ff</string>",
       {{kStatusBar, layout::kLockWallpaper},
        {kSignalDot, hex(0x33cc99)},
        {kBatteryLevel, hex(0x00ff00)},
        {kChevron, hex(0xff00ff)},
        {kSlideTint, hex(0xff00ff)},
        {kTopGrabber_, layout::kLockWallpaper},
        {kSwatch3, hex(0x00ff00)}}},
      {"<key>ENABLED2</key><true/><key>vmColor3</key><string>#00ff00</string>"
       "<key>vmColor6</key><string>#ffcc00</string>",
       {{kSignalDot, hex(0xffcc00)}, {kBatteryLevel, white}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.settings);
    writeSettings(row.settings);
    expectPixels(row.pixels);
  }
}

// iOS 7.0 draws "slide to unlock" with a glinty view of its own that the tweak does not
// touch: with every option off the picture shows its white text, and the report claims
// no colour of the tweak's for it.
TEST_F(SpringBoardPictureTest, OnIos70TheStockSlideToUnlockTextIsWhite) {
  std::string file = root() + "/screens.png";
  vm::test::Finished run =
      vm::test::runCaptured(VM_BIN_DIR "/SpringBoard", {"--ios", "7.0", "--picture", file});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("slide-to-unlock text colour        absent: SBFGlintyStringView draws "
                         "it, untouched\n"),
            std::string::npos)
      << run.out;
  cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  const unsigned char* data = cairo_image_surface_get_data(image);
  int stride = cairo_image_surface_get_stride(image);
  Frame text = springboard::frameOf(View::kSlideTint);
  int white = 0;
  for (int y = 0; y < text.height; ++y) {
    for (int x = 0; x < text.width; ++x) {
      uint32_t pixel = *reinterpret_cast<const uint32_t*>(
          data + static_cast<int>(layout::kLockScreen.y + text.y + y) * stride +
          static_cast<int>(layout::kLockScreen.x + text.x + x) * 4);
      white += (pixel & 0xf0f0f0) == 0xf0f0f0;
    }
  }
  cairo_surface_destroy(image);
  EXPECT_GT(white, 150);  // the glyphs of "slide to unlock" at 20 points
}

// Options are named as the staged pane's lists name them, whatever those say; without a
// pane the report names keys only.
TEST_F(SpringBoardPictureTest, TheReportNamesOptionsByTheStagedPanesLabels) {
  writeSettings("<key>ENABLED16</key><true/><key>ENABLED21</key><true/>");
  vm::test::Finished bare = vm::test::runCaptured(VM_BIN_DIR "/SpringBoard", {});
  EXPECT_EQ(bare.out.find("options on:"), std::string::npos) << bare.out;
  EXPECT_NE(bare.out.find("flags on: ENABLED16, ENABLED21\n"), std::string::npos) << bare.out;

  writeFile("/Library/PreferenceBundles/velmotintPrefs.bundle/Page.plist",
            vm::test::xmlPlist("<key>items</key><array><dict><key>key</key><string>ENABLED16"
                               "</string><key>label</key><string>No Date At All</string></dict>"
                               "<dict><key>label</key><string>Group</string></dict>"
                               // A colour-picker row keeps its key in the picker's dictionary.
                               "<dict><key>label</key><string>Bar\x1b Text</string>"
                               "<key>libcolorpicker</key><dict><key>key</key><string>vmColor2"
                               "</string></dict></dict></array>"));
  vm::test::Finished named = vm::test::runCaptured(VM_BIN_DIR "/SpringBoard", {});
  EXPECT_NE(named.out.find("flags on: ENABLED16, ENABLED21\n"), std::string::npos) << named.out;
  EXPECT_NE(named.out.find("options on: No Date At All (ENABLED16), ENABLED21\n"),
            std::string::npos)
      << named.out;
  EXPECT_NE(named.out.find("\n  ENABLED16  No Date At All\n"), std::string::npos) << named.out;
  EXPECT_NE(named.out.find("\n  vmColor2   Bar\\x1b Text\n"), std::string::npos) << named.out;
}

// --compare: the stock screens keep the platform's colours, the screens beside them take
// the user's; --watch redraws that side only.
TEST_F(SpringBoardPictureTest, CompareDrawsTheStockScreensBesideThoseWithTheTweak) {
  EXPECT_EQ(vm::test::runProgram(VM_BIN_DIR "/SpringBoard", {"--compare"}), 2);
  writeSettings("<key>ENABLED1</key><true/><key>vmColor2</key><string>#33cc99</string>");
  std::string file = root() + "/compare.png";
  vm::test::ChildProcess springBoard(VM_BIN_DIR "/SpringBoard",
                                     {"--watch", "--picture", file, "--compare"});
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("watching for"), 20s));
  Place after = kSignalDot;
  after.x += layout::kCompareOffset;
  expectPixelsIn(file, {{kSignalDot, Colour{1, 1, 1, 1}}, {after, hex(0x33cc99)}},
                 layout::kCompareWidth);

  writeSettings("<key>ENABLED1</key><true/><key>vmColor2</key><string>#ff0000</string>");
  ASSERT_EQ(vm::test::runProgram(VM_BIN_DIR "/vm-post", {"com.tanvork.velmotint/settingschanged"}),
            0);
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("=== SpringBoard report 2"), 20s));
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("picture: "), 20s));
  expectPixelsIn(file, {{kSignalDot, Colour{1, 1, 1, 1}}, {after, hex(0xff0000)}},
                 layout::kCompareWidth);
}

// As the pane says, a badge or icon keeps its rounded look after its switch goes off, until
// SpringBoard restarts: the watch relays out the same views, and a new SpringBoard has
// square ones.
TEST_F(SpringBoardPictureTest, RoundedBadgesAndIconsOutlastTheirSwitchUntilARestart) {
  auto lineOf = [](const std::string& out, size_t from, const std::string& label) {
    size_t at = out.find("  " + label + " ", from);
    return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
  };
  writeSettings("<key>ENABLED21</key><true/><key>ENABLED24</key><true/>");
  vm::test::ChildProcess springBoard(VM_BIN_DIR "/SpringBoard", {"--watch"});
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("watching for"), 20s));
  std::string rounded = lineOf(springBoard.output(), 0, "icon image corner radius");
  ASSERT_EQ(rounded.find("0.00"), std::string::npos) << rounded;

  writeSettings("<key>ENABLED21</key><false/><key>ENABLED24</key><false/>");
  ASSERT_EQ(vm::test::runProgram(VM_BIN_DIR "/vm-post", {"com.tanvork.velmotint/settingschanged"}),
            0);
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("hooks installed"), 20s));
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("battery accessory"), 20s));
  size_t second = springBoard.output().find("=== SpringBoard report 2");
  EXPECT_NE(springBoard.output().find("flags on: none", second), std::string::npos);
  EXPECT_EQ(lineOf(springBoard.output(), second, "icon image corner radius"), rounded);
  EXPECT_EQ(lineOf(springBoard.output(), second, "badge corner radius").find("0.00"),
            std::string::npos);

  vm::test::Finished restarted = vm::test::runCaptured(VM_BIN_DIR "/SpringBoard", {});
  EXPECT_NE(lineOf(restarted.out, 0, "icon image corner radius").find("0.00"), std::string::npos)
      << restarted.out;
}

TEST_F(SpringBoardPictureTest, WatchRedrawsThePictureAfterEachChange) {
  std::string file = root() + "/screens.png";
  vm::test::ChildProcess springBoard(VM_BIN_DIR "/SpringBoard", {"--watch", "--picture", file});
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("watching for"), 20s));
  expectPixelsIn(file, {{kSignalDot, Colour{1, 1, 1, 1}}});

  writeSettings("<key>ENABLED1</key><true/><key>vmColor2</key><string>#33cc99</string>");
  ASSERT_EQ(vm::test::runProgram(VM_BIN_DIR "/vm-post", {"com.tanvork.velmotint/settingschanged"}),
            0);
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("=== SpringBoard report 2"), 20s));
  ASSERT_TRUE(springBoard.waitForLine(vm::test::lineWith("picture: "), 20s));
  expectPixelsIn(file, {{kSignalDot, hex(0x33cc99)}});
}

TEST_F(SpringBoardPictureTest, AnSvgIsWrittenToo) {
  std::string file = root() + "/screens.svg";
  ASSERT_EQ(vm::test::runProgram(VM_BIN_DIR "/SpringBoard", {"--picture", file}), 0);
  EXPECT_GT(std::filesystem::file_size(file), 1000u);
  EXPECT_FALSE(std::filesystem::exists(file + ".partial"));
}

}  // namespace

namespace {

// The scene's table must list each view at its own place, or a builder's answer would land
// on another view's row.
TEST(SceneTest, EveryViewSitsAtItsOwnPlace) {
  springboard::Scene scene;
  ASSERT_EQ(scene.views().size(), springboard::kViewCount);
  for (size_t i = 0; i < scene.views().size(); ++i)
    EXPECT_EQ(static_cast<size_t>(scene.views()[i].id), i) << scene.views()[i].name;
}

}  // namespace
