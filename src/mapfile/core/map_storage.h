#pragma once
#include <string>

#include "model/disk_stamp.h"
#include "model/form_model.h"
#include "platform/core/dialogs.h"
#include "platform/core/storage.h"

namespace tastrix {

// The files of keyboard maps as the map commands see them.
class MapStorage : public Storage {
 public:
  virtual MapStamps stamps(const std::string& mapPath) const = 0;
  // Finishes or undoes a save of the map that was cut short, as far as it can.
  virtual void finishInterruptedSave(const std::string& mapPath) = 0;

  // Writes both files as one change. False when the label list could not be
  // written (the user was told); raises for a map file that cannot be.
  virtual bool write(FormModel& form, IDialogs& dialogs, const std::string& mapPath) = 0;
  // Raises "Cannot open file" for a map file that exists but cannot be read.
  virtual void requireReadable(const std::string& mapPath) const = 0;
  // Each reads one kind of content into the window's components and raises
  // before anything changes when its file exists but cannot be read.
  virtual void applyLabels(FormModel& form, const std::string& mapPath) = 0;
  virtual void applyColours(FormModel& form, const std::string& mapPath) = 0;
  virtual void applyFonts(FormModel& form, const std::string& mapPath) = 0;

  // The whole map, as a full load reads it: the labels, the colours with the
  // alignment, then the fonts, once the map file is known to be readable.
  virtual void applyMap(FormModel& form, const std::string& mapPath) {
    requireReadable(mapPath);
    applyLabels(form, mapPath);
    applyColours(form, mapPath);
    applyFonts(form, mapPath);
  }
};

}  // namespace tastrix
