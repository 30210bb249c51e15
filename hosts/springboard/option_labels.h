// The names a user knows the options by: the labels of the staged Settings pane's
// specifier lists, read from the device root, so the report and the picture say what the
// pane says.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace springboard {

// Settings key ("ENABLED16", "vmColor1") -> its row's label, from every specifier list in
// the staged bundle; empty when no pane is staged.
using OptionLabels = std::map<std::string, std::string>;
OptionLabels stagedOptionLabels();

// The staged pane's labels, or while no pane is staged, those of the pane this build made:
// what the release report names the options by, whatever the device root holds.
OptionLabels paneOptionLabels();

// "Remove Date View (ENABLED16)", or the key alone when the pane has no row for it.
std::string optionName(const OptionLabels& labels, const std::string& key);

// The flags in `on` by name, joined by ", "; "none" for none.
std::string flagNames(const OptionLabels& labels, const std::vector<int>& on);

// The report's key to the options it names by key: a heading and "  KEY  Label" per
// option the pane has, switches in key order, then colours; empty without a pane.
std::string optionLegend(const OptionLabels& labels);

}  // namespace springboard
