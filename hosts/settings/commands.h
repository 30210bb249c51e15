// What the Settings application can be asked to do from the command line. Each answers an
// exit status: 0 done, 1 refused or failed (with a message on standard error), 2 misuse.
#pragma once

#include <string>

namespace settings {

inline constexpr int kDone = 0;
inline constexpr int kRefused = 1;
inline constexpr int kMisuse = 2;

// `pane` picks a pane by its label; empty picks the only one installed.
int showPage(const std::string& pane, const std::string& listName);
int setOption(const std::string& pane, const std::string& name, const std::string& value);
// Prints an option's value as `set` takes it.
int getOption(const std::string& pane, const std::string& name);
// Prints every option with its key, label and value, marking values that differ from the
// row's default.
int listOptions(const std::string& pane);
int tapButton(const std::string& pane, const std::string& label);
int resetOptions(const std::string& pane);

}  // namespace settings
