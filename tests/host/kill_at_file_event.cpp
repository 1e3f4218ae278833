// Kills a process the instant a folder sees its Nth change, as a power cut
// or a killed task would stop it there, or stops it there for a while. A
// program of the host (Linux), which a test under Wine starts: Wine runs it
// as a process of its own.
//
//   kill_at_file_event FOLDER N TAG READY RESULT [RESUME]
//
// The process to kill is the one whose command line holds TAG, which Wine
// shows as the Windows command line of the program: its path, say.
// Once the folder is watched, READY is made. The changes counted are those
// that alter the folder: a file made, closed after writing, renamed away or
// into it, deleted, or its attributes set. The writes between a file's
// making and its closing are not counted: the system merges writes that
// follow each other unread, so their number would vary from run to run. N is
// a number, or the text the change's line begins with after its number
// ("close office.zvl."): the first such change. RESULT receives one line
// per change seen, then "killed", or "ended" when the process ended before
// the Nth change, or "no process" / "timed out". With RESUME, the process is
// stopped instead and RESULT ends in "stopped"; it goes on once RESUME exists.
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

namespace {

constexpr uint32_t kChanges = IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE | IN_ATTRIB;

bool commandLineHolds(pid_t pid, const std::string& tag) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
  const std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return line.find(tag) != std::string::npos;
}

pid_t processWith(const std::string& tag) {
  DIR* proc = opendir("/proc");
  pid_t found = 0;
  while (proc && found == 0) {
    const dirent* entry = readdir(proc);
    if (!entry) break;
    const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
    if (pid > 0 && pid != getpid() && commandLineHolds(pid, tag)) found = pid;
  }
  if (proc) closedir(proc);
  return found;
}

std::string describe(uint32_t mask) {
  std::string text;
  const struct {
    uint32_t bit;
    const char* name;
  } names[] = {{IN_CREATE, "create"},     {IN_CLOSE_WRITE, "close"}, {IN_MOVED_FROM, "moved-from"},
               {IN_MOVED_TO, "moved-to"}, {IN_DELETE, "delete"},     {IN_ATTRIB, "attributes"}};
  for (const auto& n : names)
    if (mask & n.bit) text += std::string(text.empty() ? "" : "+") + n.name;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) return 2;
  const std::string folder = argv[1], wanted = argv[2], tag = argv[3], ready = argv[4], resultPath = argv[5];
  const std::string resume = argc == 7 ? argv[6] : "";
  const bool counted = wanted.find_first_not_of("0123456789") == std::string::npos;
  std::ostringstream result;
  // RESULT appears whole: the test reads it as soon as it is there.
  const auto finish = [&](const char* how) {
    result << how << "\n";
    const std::string part = resultPath + ".part";
    std::ofstream(part) << result.str();
    std::rename(part.c_str(), resultPath.c_str());
    return 0;
  };

  pid_t victim = 0;
  for (int tries = 0; tries < 200 && victim == 0; ++tries) {
    victim = processWith(tag);
    if (victim == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (victim == 0) return finish("no process");

  const int watch = inotify_init1(IN_CLOEXEC);
  if (watch < 0 || inotify_add_watch(watch, folder.c_str(), kChanges) < 0) return finish("cannot watch");
  std::ofstream(ready) << "watching\n";

  long seen = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  alignas(inotify_event) char buffer[64 * 1024];
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd waiting{watch, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) {
      if (kill(victim, 0) != 0) return finish("ended");
      continue;
    }
    const ssize_t got = read(watch, buffer, sizeof buffer);
    for (ssize_t at = 0; at < got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (!(event->mask & kChanges)) continue;
      const std::string change = describe(event->mask) + " " + (event->len ? event->name : "");
      result << ++seen << " " << change << "\n";
      if (counted ? seen != std::atol(wanted.c_str()) : change.compare(0, wanted.size(), wanted) != 0) continue;
      if (resume.empty()) {
        kill(victim, SIGKILL);
        return finish("killed");
      }
      kill(victim, SIGSTOP);
      finish("stopped");
      while (access(resume.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      kill(victim, SIGCONT);
      return 0;
    }
  }
  return finish("timed out");
}
