#include "hosts/springboard/scene_report.h"

namespace springboard {

std::string sceneReport() { return std::string(); }

}  // namespace springboard
