// Where the picture puts things: the lock screen and one home-screen page side by side,
// each 320 x 568 points at one pixel per point, and the caption below them. Views sit at
// their scene frame inside their screen.
#pragma once

#include "hosts/springboard/scene.h"

namespace springboard::picture {

inline constexpr double kScreenWidth = 320;
inline constexpr double kScreenHeight = 568;
inline constexpr Frame kLockScreen{16, 40, kScreenWidth, kScreenHeight};
inline constexpr Frame kHomeScreen{352, 40, kScreenWidth, kScreenHeight};
inline constexpr double kCaptionTop = 624;
inline constexpr int kWidth = 688;
// --compare: the screens with the tweak sit this far right of the stock ones.
inline constexpr double kCompareOffset = 672;
inline constexpr int kCompareWidth = kWidth + static_cast<int>(kCompareOffset);
// The caption's text lines start below the swatches, one every kLine; the picture is as
// tall as its lines need.
inline constexpr double kLinesTop = kCaptionTop + 100;
inline constexpr double kLine = 16;
inline int heightFor(size_t lines) {
  return static_cast<int>(kLinesTop + lines * kLine + 8);
}
// Characters of caption text a line holds.
inline constexpr size_t kLineCharacters = 100;

// The wallpapers behind each screen: the lock screen's is the dark sample SpringBoard
// hands its legibility provider.
inline constexpr Colour kLockWallpaper{0.1, 0.1, 0.15, 1};
inline constexpr Colour kHomeWallpaper{0.17, 0.29, 0.44, 1};

// The caption's swatch of vmColor<n> (1 to 6): two rows of three, named beside.
inline Frame swatchFrame(int n) {
  return Frame{16 + ((n - 1) % 3) * 224.0, kCaptionTop + 12 + ((n - 1) / 3) * 40.0, 28, 28};
}

// The five signal dots of a status bar, left to right, in the text colour.
inline constexpr double kSignalDotRadius = 3.5;
inline double signalDotX(int i) {
  return 10 + i * 9.0;
}
inline constexpr double kSignalDotY = 10;

}  // namespace springboard::picture
