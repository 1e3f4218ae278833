#include "app/stored_settings.h"

#include "model/key_catalogue.h"

namespace tastrix {

Settings StoredSettings::read() {
  const Rect& keypad = window_.layout().groupBox(kNumericKeypad);
  Settings defaults;
  defaults.top = defaults.left = 20;
  defaults.width = (keypad.left + keypad.width) / 2;
  defaults.height = keypad.top + keypad.height;
  const Settings settings = ReadSettingsFile(defaults);
  unread_ = settings.unreadable;
  return settings;
}

void StoredSettings::write() {
  if (unread_) return;
  Settings settings;
  options_.readPlacement(settings);
  settings.alwaysOnTop = options_.alwaysOnTop();
  settings.autoRun = options_.autoRun();
  settings.mapPath = document_.path();
  WriteSettingsFile(settings);
}

}  // namespace tastrix
