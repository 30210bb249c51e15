// Every class and selector the tree sends, one table per framework, each name looked up
// once. The naming rule and how the tables declare their entries: names/name_rule.h.
#pragma once

#include "bridge/names/colorpicker.h"
#include "bridge/names/foundation.h"
#include "bridge/names/preferences.h"
#include "bridge/names/springboard.h"
#include "bridge/names/uikit.h"
