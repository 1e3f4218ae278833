#pragma once
#include <string>
#include <vector>

#include "platform/core/dialogs.h"
#include "app/picture_commands.h"
#include "app/picture_window.h"
#include "app/stored_settings.h"
#include "app/program_options.h"
#include "mapfile/core/map_commands.h"

namespace tastrix {

// The program's start and end: the start-up sequence, the question before
// the window closes, and the restore of the factory defaults, which starts
// over as a first start would.
class StartAndClose {
 public:
  StartAndClose(IPictureWindow& window, MapDocument& document, IDialogs& dialogs, ICommandRunner& commands,
                ProgramOptions& options, StoredSettings& settings, MapCommands& maps)
      : window_(window), document_(document), dialogs_(dialogs), commands_(commands), options_(options),
        settings_(settings), maps_(maps) {}

  // Places the window and sets its options as the settings file says, then
  // loads the current map: the one the command line names (from the current
  // folder) in place of the remembered one.
  void start(const std::vector<std::string>& namedMaps = {});
  // Writes the settings and asks about unsaved changes: whether the window may close.
  bool mayClose(Closing closing);
  void restoreFactoryDefaults();

 private:
  IPictureWindow& window_;
  MapDocument& document_;
  IDialogs& dialogs_;
  ICommandRunner& commands_;
  ProgramOptions& options_;
  StoredSettings& settings_;
  MapCommands& maps_;
};

}  // namespace tastrix
