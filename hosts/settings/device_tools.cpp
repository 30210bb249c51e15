#include "hosts/settings/device_tools.h"

#include <cstdlib>

#include "hosts/start/terminal_text.h"
#include "linux_only/device_path.h"

namespace settings {

std::string putDeviceToolsFirstOnPath() {
  std::string tools = vm::hostPath("/usr/bin");
  if (tools.find(':') != std::string::npos)
    return "the device root " + vm::host::terminalText(vm::deviceRoot()) +
           " holds a ':', so its usr/bin cannot be put on PATH and a command the pane runs "
           "could be one outside it; nothing was run. Use a device root without ':'";
  const char* path = std::getenv("PATH");
  setenv("PATH", (path != nullptr && *path != '\0' ? tools + ":" + path : tools).c_str(), 1);
  return std::string();
}

}  // namespace settings
