// Velmo2TopCell: its labels, their texts, fonts and frames before and after layout, its
// row height, and what it owns.
#include <gtest/gtest.h>

#include <cstdlib>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "standins/preferences/preferences.h"
#include "standins/uikit/uikit.h"
#include "tests/prefs/pane_fixture.h"

namespace vm::test {
namespace {

const IvarRef<id> kHeading{"heading"};
const IvarRef<id> kSubtitle{"subtitle"};

struct LabelLook {
  const char* text;
  double pointSize;
  double initialY;
  double laidOutY;
};
const LabelLook kHeadingLook{"Velmotint", 48.0, 0, 0};
const LabelLook kSubtitleLook{"By Tanvork", 16.0, 18, 35};

CGRect frameOf(id view) {
  return send<CGRect>(view, sel::frame);
}

// PSTableCell's initialiser, watched: what it is given, and whether it fails.
IMP gCellInit = nullptr;
bool gCellInitFails = false;
NSInteger gStyle = -1;
std::string gReuseIdentifier;
id gSpecifier = nil;
id watchedCellInit(id self, SEL cmd, NSInteger style, id reuse, id specifier) {
  gStyle = style;
  gReuseIdentifier = stdString(reuse);
  gSpecifier = specifier;
  if (gCellInitFails) {
    release(self);  // an initialiser that fails gives up the object it was handed
    return nil;
  }
  return callImp<id>(gCellInit, self, cmd, style, reuse, specifier);
}

// UILabel's initialiser, counted.
IMP gLabelInit = nullptr;
int gLabelsMade = 0;
id countedLabelInit(id self, SEL cmd, CGRect frame) {
  ++gLabelsMade;
  return callImp<id>(gLabelInit, self, cmd, frame);
}

class HeaderCell : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    if (gCellInit == nullptr) {
      Method cellInit = class_getInstanceMethod(
          cls::PSTableCell.get(), sel_registerName("initWithStyle:reuseIdentifier:specifier:"));
      gCellInit = method_setImplementation(cellInit, toImp(watchedCellInit));
      Method labelInit = class_getInstanceMethod(cls::UILabel.get(), sel::initWithFrame_);
      gLabelInit = method_setImplementation(labelInit, toImp(countedLabelInit));
    }
    gCellInitFails = false;
    gLabelsMade = 0;
    row_ = makeRow(
        {{"cell", nsString("PSGroupCell")}, {"headerCellClass", nsString("Velmo2TopCell")}});
  }
  void TearDown() override {
    release(cell_);
    PaneTest::TearDown();
  }

  id newCell(const char* screenWidth) {
    setenv(uikit::kScreenWidthVariable, screenWidth, 1);
    release(cell_);
    cell_ = send<id>(send<id>(objc_getClass("Velmo2TopCell"), sel::alloc), sel::initWithSpecifier_,
                     row_);
    return cell_;
  }

  id row_ = nil;
  id cell_ = nil;
};

void expectLook(id label, const LabelLook& look, double width, double y, double height) {
  SCOPED_TRACE(look.text);
  ASSERT_NE(label, nil);
  EXPECT_EQ(stdString(send<id>(label, sel::text)), look.text);
  id font = send<id>(label, sel::font);
  EXPECT_EQ(stdString(send<id>(font, sel::fontName)), "HelveticaNeue-UltraLight");
  EXPECT_EQ(send<CGFloat>(font, sel::pointSize), look.pointSize);
  EXPECT_EQ(send<NSInteger>(label, sel::numberOfLines), 1);
  EXPECT_EQ(send<NSInteger>(label, sel::textAlignment), 1);
  EXPECT_EQ(uikit::componentsOf(send<id>(label, sel::textColor)), (uikit::Rgba{0, 0, 0, 1}));
  EXPECT_EQ(uikit::componentsOf(send<id>(label, sel::backgroundColor)), (uikit::Rgba{0, 0, 0, 0}));
  EXPECT_EQ(frameOf(label), CGRectMake(0, y, width, height));
}

TEST_F(HeaderCell, LabelsStartAsWideAsTheScreenInWholePoints) {
  struct Case {
    const char* screen;
    double width;
  };
  for (const Case& c : {Case{"375.5", 375}, Case{"320", 320}, Case{"414.99", 414}}) {
    SCOPED_TRACE(c.screen);
    id cell = newCell(c.screen);
    ASSERT_NE(cell, nil);
    expectLook(kHeading.of(cell), kHeadingLook, c.width, kHeadingLook.initialY, 20);
    expectLook(kSubtitle.of(cell), kSubtitleLook, c.width, kSubtitleLook.initialY, 20);
  }
}

TEST_F(HeaderCell, LayoutWidensTheLabelsToTheCellAndLetsTheSubtitleOverhang) {
  id cell = newCell("375.5");
  for (double width : {600.0, 375.5, 100.0}) {
    SCOPED_TRACE(width);
    send<void>(cell, sel::setFrame_, CGRectMake(0, 0, width, 50));
    send<void>(cell, sel::layoutSubviews);
    expectLook(kHeading.of(cell), kHeadingLook, width, kHeadingLook.laidOutY, 60);
    expectLook(kSubtitle.of(cell), kSubtitleLook, width, kSubtitleLook.laidOutY, 60);
    // The superclass's layout ran first: the content view fills the cell.
    EXPECT_EQ(frameOf(send<id>(cell, sel::contentView)), CGRectMake(0, 0, width, 50));
  }
}

TEST_F(HeaderCell, CellIsAClearDefaultCellOfHeightFiftyOwningBothLabelsInItsContentView) {
  id cell = newCell("375.5");
  EXPECT_EQ(gStyle, 0);
  EXPECT_EQ(gReuseIdentifier, "headerCell");
  EXPECT_EQ(gSpecifier, row_);
  EXPECT_EQ(gLabelsMade, 2);
  EXPECT_EQ(uikit::componentsOf(send<id>(cell, sel::backgroundColor)), (uikit::Rgba{0, 0, 0, 0}));
  {
    AutoreleasePool pool;  // the subviews list keeps the labels until it goes
    id subviews = send<id>(send<id>(cell, sel::contentView), sel::subviews);
    ASSERT_EQ(send<NSUInteger>(subviews, sel::count), 2u);
    EXPECT_EQ(send<id>(subviews, sel::objectAtIndex_, NSUInteger{0}), kHeading.of(cell));
    EXPECT_EQ(send<id>(subviews, sel::objectAtIndex_, NSUInteger{1}), kSubtitle.of(cell));
  }
  for (CGFloat width : {0.0, 320.0, 375.5, 1024.0}) {
    EXPECT_EQ(
        send<CGFloat>(cell, sel::preferredHeightForWidth_inTableView_, width, make("NSObject")),
        50.0)
        << width;
  }

  id heading = retain(kHeading.of(cell));
  id subtitle = retain(kSubtitle.of(cell));
  release(cell_);
  cell_ = nil;
  // Ours are the last references: neither the cell nor its content view keeps one.
  EXPECT_EQ(retainCount(heading), 1u);
  EXPECT_EQ(retainCount(subtitle), 1u);
  release(heading);
  release(subtitle);
}

TEST_F(HeaderCell, FailedSuperclassInitialiserGivesNilAndMakesNoLabels) {
  gCellInitFails = true;
  EXPECT_EQ(newCell("375.5"), nil);
  EXPECT_EQ(gLabelsMade, 0);
}

TEST_F(HeaderCell, TableShowsTheHeaderAtItsOwnHeightLaidOut) {
  setenv(uikit::kScreenWidthVariable, "375.5", 1);
  id view = preferences::newHeaderView(row_, 375.5);
  ASSERT_NE(view, nil);
  EXPECT_EQ(frameOf(view), CGRectMake(0, 0, 375.5, 50));
  EXPECT_EQ(frameOf(kSubtitle.of(view)), CGRectMake(0, 35, 375.5, 60));
  release(view);
}

}  // namespace
}  // namespace vm::test
