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
  std::vector<int> flagsOn;
  std::vector<std::optional<Colour>> colours;  // vmColor1..6; none when unknown
  std::string release;                         // "iOS 7.0"
  std::vector<std::string> notes;              // what the release draws without the tweak
};

// Writes `file` (.png or .svg) and answers an empty string, or says why it could not.
// The file is replaced whole, so a viewer never reads half a picture.
std::string writePicture(const Scene& scene, const Caption& caption, const std::string& file);

}  // namespace springboard
