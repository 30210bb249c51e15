// A look inside the stand-in for tests: constant strings are never freed, so what the
// process keeps must stay bounded by what it uses.
#pragma once

#include <stddef.h>

#include "standins/corefoundation/CoreFoundation.h"

// How many distinct constant strings the process holds: CFSTR texts and the names of the
// notifications it has been handed.
CF_EXPORT size_t VMConstantStringCount(void);
