#include <windows.h>

#include <memory>

#include "app/main_form.h"
#include "bench.h"
#include "no_dialogs.h"
#include "output/capture.h"
#include "platform/app_paths.h"

namespace tastrix::bench {
namespace {

struct CaptureFixture {
  NoDialogs dialogs;
  std::unique_ptr<TMainForm1> form;
  Bitmap target;
};

CaptureFixture fixture;

void openWindow() {
  // The settings file is looked for in the temp folder, not beside the bench.
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  overrideExecutablePath(std::string(temp) + "tastrix-bench\\tastrix.exe");
  fixture.form = std::make_unique<TMainForm1>(fixture.dialogs);
  fixture.form->create(GetModuleHandleA(nullptr));
  fixture.form->showFirstTime();
  fixture.form->processMessages();
  WindowDC screen(nullptr);
  const FormModel& model = fixture.form->model();
  fixture.target.reset(CreateCompatibleBitmap(screen.get(), model.pictureWidth(), model.pictureHeight()));
}

void closeWindow() {
  fixture.target.reset();
  fixture.form.reset();
}

double oneCapture() {
  return timeMs([] { const Bitmap picture = CaptureKeyboardPicture(*fixture.form, fixture.form->model()); });
}

double oneBitBlt() {
  const FormModel& model = fixture.form->model();
  return timeMs([&] {
    WindowDC window(fixture.form->hwnd());
    MemoryDC canvas(window.get());
    Selection select(canvas.get(), fixture.target.get());
    BitBlt(canvas.get(), 0, 0, model.pictureWidth(), model.pictureHeight(), window.get(), 0, 0, SRCCOPY);
    GdiFlush();
  });
}

const Registration capture{{"capture", "one BitBlt of a W x H area", openWindow, oneCapture, oneBitBlt, closeWindow},
                           Target::milliseconds(60)};

}  // namespace
}  // namespace tastrix::bench
