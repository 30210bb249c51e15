// Every option a user can set shows in the picture or says why it cannot: switched on
// alone from the stock state (a colour: set, with the tint that uses it on), each of the
// 22 switches and 6 colours changes pixels of the drawn screens, or the report and the
// picture's caption list it as "not drawn" with the reason.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "hosts/springboard/picture_layout.h"
#include "tests/support/child_process.h"
#include "tests/support/device_root.h"

namespace {

namespace layout = springboard::picture;
using namespace std::chrono_literals;

struct Option {
  const char* key;
  const char* tint;  // a colour's tint, on in both pictures; nullptr for a switch
};

// ctest lists each case with its parameter: the key, not the struct's bytes.
void PrintTo(const Option& option, std::ostream* out) { *out << option.key; }

const Option kOptions[] = {
    {"ENABLED1", nullptr},    {"ENABLED2", nullptr},    {"ENABLED3", nullptr},
    {"ENABLED4", nullptr},    {"ENABLED6", nullptr},    {"ENABLED7", nullptr},
    {"ENABLED8", nullptr},    {"ENABLED9", nullptr},    {"ENABLED10", nullptr},
    {"ENABLED11", nullptr},   {"ENABLED12", nullptr},   {"ENABLED13", nullptr},
    {"ENABLED14", nullptr},   {"ENABLED15", nullptr},   {"ENABLED16", nullptr},
    {"ENABLED17", nullptr},   {"ENABLED18", nullptr},   {"ENABLED19", nullptr},
    {"ENABLED21", nullptr},   {"ENABLED22", nullptr},   {"ENABLED23", nullptr},
    {"ENABLED24", nullptr},   {"vmColor1", "ENABLED1"}, {"vmColor2", "ENABLED1"},
    {"vmColor3", "ENABLED1"}, {"vmColor4", "ENABLED1"}, {"vmColor5", "ENABLED2"},
    {"vmColor6", "ENABLED2"},
};

class OptionPixelsTest : public vm::test::DeviceRootTest {
 protected:
  void SetUp() override {
    DeviceRootTest::SetUp();
    stageTweak(VM_TWEAK_DIR);
  }

  // Draws the picture with `settings`; the report's text comes back in `report`.
  cairo_surface_t* draw(const std::string& settings, const std::string& name, std::string& report) {
    writeSettings(settings);
    std::string file = root() + "/" + name + ".png";
    vm::test::Finished run = vm::test::runCaptured(VM_BIN_DIR "/SpringBoard", {"--picture", file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    report = run.out;
    return cairo_image_surface_create_from_png(file.c_str());
  }
};

// Pixels that differ between the two pictures inside the two screens (not the caption).
int changedScreenPixels(cairo_surface_t* a, cairo_surface_t* b) {
  int stride = cairo_image_surface_get_stride(a);
  const unsigned char* pa = cairo_image_surface_get_data(a);
  const unsigned char* pb = cairo_image_surface_get_data(b);
  int changed = 0;
  for (const springboard::Frame& screen : {layout::kLockScreen, layout::kHomeScreen}) {
    for (int y = static_cast<int>(screen.y); y < screen.y + screen.height; ++y) {
      for (int x = static_cast<int>(screen.x); x < screen.x + screen.width; ++x) {
        size_t at = static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4;
        changed += *reinterpret_cast<const uint32_t*>(pa + at) !=
                   *reinterpret_cast<const uint32_t*>(pb + at);
      }
    }
  }
  return changed;
}

class EveryOptionTest : public OptionPixelsTest, public ::testing::WithParamInterface<Option> {};

TEST_P(EveryOptionTest, ChangesTheScreensOrIsListedAsNotDrawn) {
  const Option& option = GetParam();
  std::string base =
      option.tint != nullptr ? "<key>" + std::string(option.tint) + "</key><true/>" : "";
  std::string alone = base + "<key>" + option.key + "</key>" +
                      (option.tint != nullptr ? "<string>#ff00ff</string>" : "<true/>");
  std::string beforeReport, afterReport;
  cairo_surface_t* before = draw(base, "before", beforeReport);
  cairo_surface_t* after = draw(alone, "after", afterReport);
  ASSERT_EQ(cairo_surface_status(before), CAIRO_STATUS_SUCCESS);
  ASSERT_EQ(cairo_surface_status(after), CAIRO_STATUS_SUCCESS);
  int changed = changedScreenPixels(before, after);
  cairo_surface_destroy(before);
  cairo_surface_destroy(after);

  bool listed =
      afterReport.find("\nnot drawn: " + std::string(option.key) + ": ") != std::string::npos;
  std::printf("%-10s %6d pixels%s\n", option.key, changed, listed ? ", not drawn" : "");
  // Either it shows, or it says why it does not: never both, never neither.
  EXPECT_NE(changed > 0, listed) << afterReport;
}

INSTANTIATE_TEST_SUITE_P(Options, EveryOptionTest, ::testing::ValuesIn(kOptions),
                         [](const ::testing::TestParamInfo<Option>& info) {
                           return std::string(info.param.key);
                         });

// Hide Date keeps the date view in its place, hidden; Remove Date View takes it away.
TEST_F(OptionPixelsTest, HideDateAndRemoveDateViewLookDifferent) {
  std::string report;
  cairo_surface_t* hidden = draw("<key>ENABLED6</key><true/>", "hidden", report);
  cairo_surface_t* removed = draw("<key>ENABLED16</key><true/>", "removed", report);
  EXPECT_GT(changedScreenPixels(hidden, removed), 100);
  cairo_surface_destroy(hidden);
  cairo_surface_destroy(removed);
}

}  // namespace
