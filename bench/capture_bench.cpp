#include <windows.h>

#include <memory>

#include "app/application.h"
#include "bench.h"
#include "no_dialogs.h"
#include "output/capture.h"
#include "platform/app_paths.h"

namespace tastrix::bench {
namespace {

struct CaptureFixture {
  NoDialogs dialogs;
  std::unique_ptr<Application> form;
  Bitmap target;
};

CaptureFixture fixture;

void openWindow() {
  // The settings file is looked for in the temp folder, not beside the bench.
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  overrideExecutablePath(std::string(temp) + "tastrix-bench\\tastrix.exe");
  fixture.form = std::make_unique<Application>(fixture.dialogs);
  fixture.form->create(GetModuleHandleA(nullptr));
  fixture.form->start();
  fixture.form->window().processMessages();
  WindowDC screen(nullptr);
  const PictureLayout& layout = fixture.form->window().layout();
  fixture.target.reset(CreateCompatibleBitmap(screen.get(), layout.pictureWidth(), layout.pictureHeight()));
}

void closeWindow() {
  fixture.target.reset();
  fixture.form.reset();
}

double oneCapture() {
  return timeMs([] { const Bitmap picture = CaptureKeyboardPicture(fixture.form->window()); });
}

double oneBitBlt() {
  const PictureLayout& layout = fixture.form->window().layout();
  return timeMs([&] {
    WindowDC window(fixture.form->window().handle());
    MemoryDC canvas(window.get());
    Selection select(canvas.get(), fixture.target.get());
    BitBlt(canvas.get(), 0, 0, layout.pictureWidth(), layout.pictureHeight(), window.get(), 0, 0, SRCCOPY);
    GdiFlush();
  });
}

const Registration capture{{"capture", "one BitBlt of a W x H area", openWindow, oneCapture, oneBitBlt, closeWindow},
                           Target::milliseconds(60)};

}  // namespace
}  // namespace tastrix::bench
