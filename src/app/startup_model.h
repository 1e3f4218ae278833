#pragma once
#include "model/map_document.h"

namespace tastrix {

// The start-up's texts before the map is loaded: "Key Label" on every key and
// the untitled map title. The window's start-up and the export both begin
// so, which makes an exported picture the one the window shows.
void PrepareStartupMap(MapDocument& document);

}  // namespace tastrix
