// Installs every row of the hook table on the classes of the process the tweak is in.
#pragma once

void installHooks();
