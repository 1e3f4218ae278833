#pragma once
#include <windows.h>

#include "app/main_window.h"
#include "app/picture_commands.h"
#include "app/start_and_close.h"
#include "app/stored_settings.h"
#include "app/program_options.h"
#include "editing/core/edit_commands.h"
#include "mapfile/core/map_commands.h"
#include "mapfile/map_files.h"
#include "output/output_commands.h"

namespace tastrix {

// The application: owns the document, the map storage, the dialogs and the
// feature commands, and the main window, whose input it turns into commands.
// The menu table names the method each menu command runs.
class Application final : public IPictureCommands, public ICommandRunner {
 public:
  explicit Application(IDialogs& dialogs);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the window, hidden; the program's own window ends the message
  // loop when it is destroyed.
  void create(HINSTANCE instance, bool endsMessageLoop = false);
  // The start-up sequence, with the map the command line names in place of
  // the remembered one, then the window shows.
  void start(const std::vector<std::string>& namedMaps = {});

  MainWindow& window() { return window_; }
  MapDocument& document() override { return document_; }
  PressGroup recordedGroup() const override { return editing_.recordedGroup(); }
  bool checked(int commandId) const override { return options_.checked(commandId); }
  // The file dialogs' requests, which keep the names last chosen.
  const FileDialogRequest& saveRequest() const { return saveDialog_; }
  const FileDialogRequest& openRequest() const { return openDialog_; }

  // The commands, as the menu table runs them.
  EditCommands& editing() { return editing_; }
  MapCommands& maps() { return maps_; }
  OutputCommands& output() { return output_; }
  ProgramOptions& options() { return options_; }
  StartAndClose& startAndClose() { return startAndClose_; }
  void toggleAutoRun();
  void viewReadme();
  void showAbout();
  void exit();  // closes the window as its close box does

  void runCommand(const std::function<void()>& command) override;

 private:
  bool boxOpen() const override { return dialogs_.anyOpen(); }
  void runModalLoop(const std::function<void()>& loop) override;
  void menuCommand(int id) override;
  void pressOn(const PicturePiece* piece) override;
  void clickOn(const PicturePiece& piece) override;
  void dropFiles(const std::vector<std::string>& paths) override;
  bool mayClose(Closing closing) override;

  IDialogs& dialogs_;
  MapDocument document_;
  DiskMapStorage storage_;
  FileDialogRequest saveDialog_;  // shared by the map's Save As and the bitmap export
  FileDialogRequest openDialog_;
  MainWindow window_{*this};
  EditCommands editing_{document_, dialogs_};
  MapCommands maps_{document_, dialogs_, window_, storage_, saveDialog_, openDialog_};
  OutputCommands output_{document_, dialogs_, window_, storage_, saveDialog_};
  ProgramOptions options_{window_};
  StoredSettings settings_{window_, options_, document_};
  StartAndClose startAndClose_{window_, document_, dialogs_, *this, options_, settings_, maps_};
};

}  // namespace tastrix
