#include "bench_files.h"

#include <windows.h>

#include "platform/win32_handles.h"

namespace tastrix::bench {

std::string readAll(const std::string& path) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string bytes(GetFileSize(file.get(), nullptr), '\0');
  DWORD got = 0;
  ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  bytes.resize(got);
  return bytes;
}

void writeAll(const std::string& path, const std::string& bytes) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string BenchFolder::make(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path = std::string(temp) + "tastrix-bench-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string BenchFolder::file(const std::string& name) {
  files.push_back(path + name);
  return files.back();
}

void BenchFolder::remove() {
  for (const std::string& f : files) DeleteFileA(f.c_str());
  RemoveDirectoryA(path.c_str());
}

}  // namespace tastrix::bench
