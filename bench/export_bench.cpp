#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/application.h"
#include "app/picture_export.h"
#include "app/settings_file.h"
#include "bench.h"
#include "output/capture.h"
#include "platform/app_paths.h"
#include "platform/win32_dialogs.h"

namespace tastrix::bench {
namespace {

// A map with every font, colour and the alignment set, and labels on some keys.
const char* const kMap =
    "[Keyboard_Map_Title_Label]\r\nFont.Name=Times New Roman\r\nFont.Size=20\r\n"
    "[GroupBox_Font]\r\nFont.Name=Arial\r\nFont.Size=9\r\n"
    "[Label_0]\r\nFont.Name=Times New Roman\r\nFont.Size=11\r\nFont.fsBold=0\r\n"
    "[tastrix]\r\nShape_0=14745599\r\nShape_Back_0=8421504\r\nKey_Label_Vertical_Alignment=2\r\n";
const char* const kLabels = "Bench map\r\nBack tick\r\nOne\r\nTwo\r\nThree\r\nA long label that wraps\r\n";

void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The map, the window's settings naming it, and the exported pictures, in a
// folder that stands in for the program's; the window opens on that map.
struct ExportScene {
  std::string folder;
  Win32Dialogs dialogs;
  std::unique_ptr<Application> window;

  ExportScene() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "tastrix-bench-export-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    writeText(map(), kMap);
    writeText(map() + "l", kLabels);
    overrideExecutablePath(folder + "tastrix.exe");
    writeText(SettingsFilePath(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + map() + "\r\n");
    window = std::make_unique<Application>(dialogs);
    window->create(GetModuleHandleA(nullptr));
    dialogs.setOwner(window->window().handle());
    window->start();
    window->window().processMessages();
  }
  ~ExportScene() {
    window.reset();
    for (const char* name : {"map.zv", "map.zvl", "tastrix.ini", "picture.bmp", "picture.png", "picture.emf", "picture.svg"})
      DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
    overrideExecutablePath("");
  }
  std::string map() const { return folder + "map.zv"; }
};

std::unique_ptr<ExportScene> scene;

double windowCapture() {
  return timeMs([] { const Bitmap picture = CaptureKeyboardPicture(scene->window->window()); });
}

double exportMs(int scale, const std::string& file) {
  const ExportRequest request{scene->map(), scene->folder + file, scale};
  return timeMs([&] { ExportPicture(request); });
}

// Registers a case on the scene's map beside a floor, with its target.
Registration sceneCase(std::string name, std::string floorName, std::function<double()> measure,
                       std::function<double()> floor, int runs, Target target = Target{}) {
  BenchCase c;
  c.name = std::move(name);
  c.floorName = std::move(floorName);
  c.setUp = [] { scene = std::make_unique<ExportScene>(); };
  c.measure = std::move(measure);
  c.floor = std::move(floor);
  c.tearDown = [] { scene.reset(); };
  c.runs = runs;
  return Registration(std::move(c), target);
}

// The export of the scene's map at a scale to a file, beside the window's
// capture of the same map.
Registration exportCase(int scale, const char* file, int runs) {
  return sceneCase("export at scale " + std::to_string(scale) + " to " + file, "window capture of the same map",
                   [scale, file] { return exportMs(scale, file); }, windowCapture, runs);
}

// A vector picture beside the PNG export of the same map at scale 1.
Registration vectorCase(const char* file) {
  return sceneCase(std::string("export to ") + file, "export at scale 1 to picture.png",
                   [file] { return exportMs(1, file); }, [] { return exportMs(1, "picture.png"); }, 21,
                   Target::ratio(2));
}

// The map printed on the default printer (scripts/bench sets up a PDF
// printer) until the job is spooled. A print that fails is told and misses
// its target.
double printMs() {
  const PrintRequest request{scene->map(), ""};
  try {
    return timeMs([&] { PrintMapFile(request); });
  } catch (const ExportFailure& failure) {
    std::fprintf(stderr, "print job: %s\n", failure.what());
    return 1e9;
  }
}

const Registration scaleOne = exportCase(1, "picture.bmp", 21);
const Registration scaleFour = exportCase(4, "picture.bmp", 7);
const Registration scaleFourPng = exportCase(4, "picture.png", 7);
const Registration svg = vectorCase("picture.svg");
const Registration emf = vectorCase("picture.emf");
const Registration printJob = sceneCase("print job on the default printer", "export at scale 1 to picture.png",
                                        printMs, [] { return exportMs(1, "picture.png"); }, 5,
                                        Target::milliseconds(2000));

}  // namespace
}  // namespace tastrix::bench
