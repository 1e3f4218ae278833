#pragma once

namespace tastrix {

// The application's title: the window caption's start, the notice line's
// start, the general error box's caption and the About box's first line.
constexpr const char* kAppTitle = "Tastrix - v1.0f";

}  // namespace tastrix
