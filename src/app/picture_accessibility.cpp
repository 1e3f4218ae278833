#include "app/picture_accessibility.h"

#include "app/picture_keys.h"
#include "model/key_navigation.h"
#include "output/picture_painter.h"
#include "platform/win32_handles.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

int stopOfPart(int part) { return part - 1; }
int partOfStop(int stop) { return stop + 1; }

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

PictureAccessibility::PictureAccessibility(IAppWindow& window, IPictureCommands& commands, PictureKeys& keys)
    : window_(window), commands_(commands), keys_(keys), link_(std::make_shared<AccessLink>(AccessLink{this})) {}

PictureAccessibility::~PictureAccessibility() { disconnect(); }

bool PictureAccessibility::answer(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) && !apartment_) apartment_.emplace();
  return answerGetObject(link_, wParam, lParam, result);
}

void PictureAccessibility::disconnect() { link_->parts = nullptr; }

void PictureAccessibility::focusMoved(int stop) const { announceFocus(window_.handle(), partOfStop(stop)); }

std::vector<std::string> PictureAccessibility::labelTexts() const {
  const KeyboardMap& map = commands_.document().map();
  return std::vector<std::string>(map.labels.begin(), map.labels.end());
}

void PictureAccessibility::announceChangedLabels(const std::vector<std::string>& before) const {
  if (!window_.handle()) return;
  const std::vector<std::string> now = labelTexts();
  for (int stop = 0; stop < kStopCount; ++stop)
    if (now[stop] != before[stop]) announceValueChange(window_.handle(), partOfStop(stop));
}

HWND PictureAccessibility::window() const { return window_.handle(); }

int PictureAccessibility::partCount() const { return kStopCount; }

std::string PictureAccessibility::partName(int part) const {
  const int stop = stopOfPart(part);
  if (stop == 0) return "Keyboard map title";
  return keyAt(stop).legend;
}

// What the key shows, the label list may hold megabytes more.
std::string PictureAccessibility::partValue(int part) const {
  const KeyboardMap& map = commands_.document().map();
  const int position = stopOfPart(part);
  const WindowDC dc(window_.handle());
  const std::size_t shown = shownLabelLength(dc.get(), map, window_.layout(), position);
  return ShownLabelText(map.labels[static_cast<size_t>(position)].substr(0, shown));
}

std::string PictureAccessibility::partDescription(int part) const {
  const int stop = stopOfPart(part);
  if (stop == 0) return "";
  return trimmed(groupOf(keyAt(stop).group).caption);
}

long PictureAccessibility::partRole(int) const { return ROLE_SYSTEM_PUSHBUTTON; }

std::string PictureAccessibility::partDefaultAction(int) const { return "Edit label"; }

RECT PictureAccessibility::partRect(int part) const { return keys_.shownRect(stopOfPart(part)); }

int PictureAccessibility::partAt(POINT client) const {
  const int stop = stopOf(window_.layout().pieceAt(client.x + window_.scrollPosition(), client.y));
  return stop == kNoStop ? 0 : partOfStop(stop);
}

int PictureAccessibility::partBeside(int part, long navDir) const {
  const Direction direction = navDir == NAVDIR_LEFT    ? Direction::Left
                              : navDir == NAVDIR_RIGHT ? Direction::Right
                              : navDir == NAVDIR_UP    ? Direction::Up
                                                       : Direction::Down;
  return partOfStop(nearestStop(window_.layout(), stopOfPart(part), direction));
}

bool PictureAccessibility::partsAvailable() const { return !commands_.boxOpen(); }

int PictureAccessibility::focusedPart() const {
  return keys_.focusedStop() == kNoStop ? 0 : partOfStop(keys_.focusedStop());
}

void PictureAccessibility::focusPart(int part) { keys_.focusStop(stopOfPart(part), true); }

// Posted, not run: the label box is modal, and the caller must not wait for it.
void PictureAccessibility::requestDefaultAction(int part) {
  PostMessageA(window_.handle(), PictureKeys::kEditStopMessage, static_cast<WPARAM>(stopOfPart(part)), 0);
}

}  // namespace tastrix
