// What a deliverable offers to the process that loads it. The device build hides every
// other symbol (-fvisibility=hidden), so a loaded library shows no more than it means to.
#pragma once

#define VM_EXPORT __attribute__((visibility("default")))
