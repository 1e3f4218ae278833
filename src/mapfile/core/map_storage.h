#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/disk_stamp.h"
#include "platform/core/errors.h"
#include "platform/core/storage.h"
#include "text/profile_source.h"

namespace tastrix {

// A label list that could not be written: the save tells the user so in a
// box of its own and goes no further.
class LabelListNotSaved : public PlatformError {
 public:
  explicit LabelListNotSaved(const std::string& path) : PlatformError("Cannot save " + path), path_(path) {}
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Held while a save of a map reads and replaces its files: one save of a map
// at a time.
class MapSave {
 public:
  virtual ~MapSave() = default;
};

// The files of keyboard maps as the map commands see them: what they hold,
// and both of a map's files replaced together. What the files mean is the
// map formats'.
class MapStorage : public Storage {
 public:
  virtual MapStamps stamps(const std::string& mapPath) const = 0;
  // Whether a folder, not a file, is at the path.
  virtual bool folderExists(const std::string& path) const = 0;
  // Tells Windows the user opened or saved the map, for its lists of recent
  // documents (the taskbar's jump list among them).
  virtual void addToRecentDocuments(const std::string& mapPath) = 0;
  // Finishes or undoes a save of the map that was cut short, as far as it can.
  virtual void finishInterruptedSave(const std::string& mapPath) = 0;

  // A map's files as they stand (while a save that was cut short waits to be
  // finished, as that save left them complete); a missing file reads as an
  // empty one. A file that exists but cannot be read raises "Cannot open file".
  virtual std::unique_ptr<ProfileFile> readMapFile(const std::string& mapPath) const = 0;
  // The label list's first lines in UTF-8, as many as a map has labels.
  virtual std::vector<std::string> readLabelList(const std::string& mapPath) const = 0;

  // Takes the map for a save, once any save of it cut short is finished.
  // Raises "Unable to write to" what stands in the way: another window's save
  // of the map, a file an earlier save left that cannot be cleared.
  virtual std::unique_ptr<MapSave> beginSave(const std::string& mapPath) = 0;
  // Replaces both files as one change: the map file by the bytes of its
  // entries, the label list by the text (UTF-8): in UTF-8 or UTF-16 where
  // its old file was, else in the system code page where that spells every
  // label, else in UTF-8 with a byte order mark.
  // Raises LabelListNotSaved, or "Unable to write to" the map file.
  virtual void replaceMapFiles(const std::string& mapPath, const ProfileFile& mapFile,
                               const std::string& labelListText) = 0;
};

}  // namespace tastrix
