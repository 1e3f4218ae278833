#pragma once
#include <string>
#include <vector>

namespace tastrix::bench {

std::string readAll(const std::string& path);
void writeAll(const std::string& path, const std::string& bytes);

// A folder of its own under the temporary folder, removed with the files
// the bench named in it.
struct BenchFolder {
  std::string path;
  std::vector<std::string> files;

  std::string make(const std::string& name);
  std::string file(const std::string& name);
  void remove();
};

}  // namespace tastrix::bench
