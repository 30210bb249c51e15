// The scene as a picture: a schematic lock screen, status bar and home-screen page drawn
// from the views' frames, colours, alpha, hidden states and labels, with a caption of the
// flags that are on and the six colours. One drawing code for PNG and SVG (cairo).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hosts/springboard/scene.h"

namespace springboard {

struct Caption {
  std::string release;                         // "iOS 7.0", drawn first
  std::vector<std::optional<Colour>> colours;  // vmColor1..6; none when unknown
  std::vector<std::string> colourLabels;       // their names, as the pane shows them
  std::vector<std::string> lines;              // the flags on, then notes, each fitting the width
};

// Writes `file` (.png or .svg) and answers an empty string, or says why it could not.
// The file is replaced whole, so a viewer never reads half a picture.
// With `stock`, the screens of that scene (SpringBoard without the tweak) come first and
// those of `scene` beside them, under the one caption.
std::string writePicture(const Scene& scene, const Caption& caption, const std::string& file,
                         const Scene* stock = nullptr);

}  // namespace springboard
