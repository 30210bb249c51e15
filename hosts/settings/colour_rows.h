// Rows whose own cell shows and stores their value: the colour picker's cells. The Settings
// application makes the cell of the class the row names, for that row, and shows what the
// cell shows; a colour typed for such a row is handed to the cell as its picker would.
#pragma once

#include <objc/runtime.h>

#include <string>
#include <vector>

#include "standins/preferences/preferences.h"

namespace settings {

// Whether the row names a cell class of its own or carries the colour picker's dictionary.
bool isCellRow(id row);
// The key and the domain a row stores under: its own, else its colour dictionary's.
std::string rowKey(id row);
std::string rowDomain(id row);

// Whether standard output is a terminal that may be coloured (NO_COLOR unset).
bool swatchesForStdout();

// What the row's cell shows: "#rrggbb:alpha (alpha a)", and a note when the stored value
// is no colour; or why the row has no working cell.
std::string colourRowText(id row);
// The cell's swatch, two blanks in its colour and one after, for a terminal; empty
// without `swatches` or a working cell.
std::string colourSwatch(id row, bool swatches);
// The colour as `set` takes it ("#rrggbb:alpha"), or why the row has no working cell.
std::string colourValueText(id row);
// The row's fallback colour, as colourValueText writes colours.
std::string colourFallbackText(id row);

// Reads `text` as a person types a colour and hands it to the row's cell, which stores it;
// no hex digits at all pick a random colour. The outcome says why when nothing was stored.
vm::preferences::WriteOutcome chooseColour(id row, const std::string& text);

// The fallbacks of the colour rows among `rows`, for starting afresh.
std::vector<vm::preferences::DomainValue> colourFallbacks(const std::vector<id>& rows);

}  // namespace settings
