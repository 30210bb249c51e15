// A page drawn as text: its title, then each group's heading or header view, its rows
// with their current values and keys, and the group's footer under its rows.
#pragma once

#include <string>

#include "hosts/settings/pane_session.h"

namespace settings {

std::string pageText(PaneSession& session, const Page& page);

}  // namespace settings
