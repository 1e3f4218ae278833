#pragma once
#include <string>

namespace tastrix {

// The files and folders as the commands that write them see them: the real
// ones, or a set held in memory where the commands' decisions are tested
// without a platform. Every command that asks for a file name goes through it.
class Storage {
 public:
  virtual ~Storage() = default;

  virtual bool fileExists(const std::string& path) const = 0;
  // Whether the folder of a map path names an existing folder.
  virtual bool folderUsable(const std::string& mapPath) const = 0;
  // Where the file dialogs open while this is the current map path.
  virtual std::string dialogStartFolder(const std::string& mapPath) const = 0;
};

}  // namespace tastrix
