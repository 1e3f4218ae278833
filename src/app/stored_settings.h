#pragma once
#include "app/picture_window.h"
#include "app/settings_file.h"
#include "app/program_options.h"
#include "model/map_document.h"

namespace tastrix {

// The settings file as the program keeps it: read at start-up, where a value
// is missing with the first start's place (beside the screen's corner, half
// the picture wide, as high as the picture); written from the window's place
// and options and the current map, unless it could not be read at start-up:
// it still holds the user's place and map, which the defaults would replace.
class StoredSettings {
 public:
  StoredSettings(IPictureWindow& window, ProgramOptions& options, const MapDocument& document)
      : window_(window), options_(options), document_(document) {}

  Settings read();
  void write();

 private:
  IPictureWindow& window_;
  ProgramOptions& options_;
  const MapDocument& document_;
  bool unread_ = false;
};

}  // namespace tastrix
