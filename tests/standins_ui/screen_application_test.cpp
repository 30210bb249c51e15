// The shared screen and application objects, and label text, as the pane and the header
// cell use them. (A font's name and size, and a label's alignment, read back in the header
// cell's tests.)
#include <gtest/gtest.h>

#include <cstdlib>

#include "bridge/foundation.h"
#include "standins/uikit/uikit.h"

namespace vm::uikit {
namespace {

class SharedObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override { unsetenv(kScreenWidthVariable); }
  AutoreleasePool pool_;
};

// Other widths from the environment reach the header cell's labels in the pane tests.
TEST_F(SharedObjectsTest, MainScreenIsSharedAndAPhoneScreenUnlessTheEnvironmentGivesAWidth) {
  id screen = send<id>(cls::UIScreen.get(), sel::mainScreen);
  EXPECT_EQ(send<id>(cls::UIScreen.get(), sel::mainScreen), screen);
  EXPECT_EQ(send<CGRect>(screen, sel::bounds), CGRectMake(0, 0, 375.5, 667));
  setenv(kScreenWidthVariable, "wide", 1);  // not a number: the default stands
  EXPECT_EQ(send<CGRect>(screen, sel::bounds).size.width, 375.5);
}

// What it records is read back by the pane's profile-button test.
TEST_F(SharedObjectsTest, OpenURLShowsTheURLAndRefusesNil) {
  id application = send<id>(cls::UIApplication.get(), sel::sharedApplication);
  id url = send<id>(::vm::cls::NSURL.get(), sel::URLWithString_,
                    nsString("https://example.invalid/profile"));
  ::testing::internal::CaptureStdout();
  BOOL opened = send<BOOL>(application, sel::openURL_, url);
  std::string shown = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(opened, YES);
  EXPECT_EQ(shown, "openURL: https://example.invalid/profile\n");
  EXPECT_EQ(send<NSInteger>(application, sel::openedURLCount), 1);
  EXPECT_EQ(send<BOOL>(application, sel::openURL_, static_cast<id>(nil)), NO);
  EXPECT_EQ(send<NSInteger>(application, sel::openedURLCount), 1);
}

TEST_F(SharedObjectsTest, LabelCopiesItsText) {
  id label = send<id>(send<id>(cls::UILabel.get(), sel::alloc), sel::initWithFrame_,
                      CGRectMake(0, 0, 375, 20));
  id text = send<id>(::vm::cls::NSMutableString.get(), sel::stringWithUTF8String_, "Velmo");
  send<void>(label, sel::setText_, text);
  send<void>(text, sel::appendString_, nsString("tint"));
  EXPECT_EQ(stdString(send<id>(label, sel::text)), "Velmo");
  send<void>(label, sel::setNumberOfLines_, NSInteger{0});
  EXPECT_EQ(send<NSInteger>(label, sel::numberOfLines), 0);
  release(label);
}

TEST_F(SharedObjectsTest, ImagesAreNamed) {
  id image = send<id>(cls::UIImage.get(), sel::imageNamed_, nsString("CameraGrabber"));
  ASSERT_NE(image, nil);
  EXPECT_EQ(stdString(send<id>(image, sel::name)), "CameraGrabber");
  EXPECT_EQ(send<id>(cls::UIImage.get(), sel::imageNamed_, static_cast<id>(nil)), nil);
}

}  // namespace
}  // namespace vm::uikit
