#include "hosts/springboard/appearance_report.h"

namespace springboard {

std::string appearanceReport() { return std::string(); }

}  // namespace springboard
