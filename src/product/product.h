#pragma once

// Facts of the product that the window, the features and the platform's
// boxes all show or use. Win32-free.
namespace tastrix {

// The program's title: the window caption's start, the notice line's start,
// the general error box's caption and the About box's first line.
constexpr const char* kAppTitle = "Tastrix - v1.0f";

// The About box.
constexpr const char* kAboutCaption = "About Tastrix";
constexpr const char* kAboutDescription =
    "Tastrix documents keyboard bindings: write your own label on every key of a picture of a 101-key PC "
    "keyboard, save the keyboard map and export the picture as a bitmap file or to the clipboard.";

// The notice line under the map title says, after the title, what made the map.
constexpr const char* kNoticeText = "Keyboard map made with Tastrix";

// The settings file, beside the executable.
constexpr const char* kSettingsFileName = "tastrix.ini";

}  // namespace tastrix
