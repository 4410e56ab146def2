// Batch extraction, whole process against whole process: `pictavo-cli extract`
// (every 32 x 32 image as an icon file, made durable before it exits) and
// icoutils' `wrestool -x -t 14` (every icon group, never flushed), on the same
// DLL, runs interleaved, each into a fresh folder on the same file system.
// Usage: bench_extract [RUNS] [PICTAVO-CLI] [DLL]
//   defaults: 9 runs, pictavo-cli beside this program's folder, Wine's shell32.dll
#include <fcntl.h>
#include <linux/fs.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* kShell32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";

struct Run {
  double milliseconds = 0;
  int status = -1;
};

// Starts `argv` with its output thrown away and waits for it.
Run timed(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Run run;
  pid_t pid = 0;
  const auto start = Clock::now();
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  }
  run.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

std::size_t filesIn(const fs::path& dir) {
  std::error_code ec;
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir, ec), fs::directory_iterator()));
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::string besideThisProgram(const char* name) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return (self.parent_path().parent_path() / name).string();
}

// Without a journal ext4 will not reuse an inode for minutes after its file was
// deleted, and each new file's search walks past every such inode of its block
// group: a folder where many files were just removed (by an earlier run of this
// benchmark, or compilers in /tmp) makes every program that creates files there
// crawl. Marked as a top of hierarchy, the scratch folder gets each run's
// folders spread over block groups at random, for both programs alike.
void spreadSubfolders(const fs::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  int flags = 0;
  if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
    flags |= FS_TOPDIR_FL;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  ::close(fd);
}

bool onPath(const char* program) {
  return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const std::string cli = argc > 2 ? argv[2] : besideThisProgram("pictavo-cli");
  const std::string dll = argc > 3 ? argv[3] : kShell32;
  if (!fs::exists(dll)) return std::printf("no %s (Debian package libwine): nothing to measure\n", dll.c_str()), 0;
  if (!onPath("wrestool")) return std::printf("no wrestool (Debian package icoutils): nothing to measure\n"), 0;

  std::string scratchName = (fs::temp_directory_path() / "pictavo-bench-extract-XXXXXX").string();
  if (!mkdtemp(scratchName.data())) return std::perror("mkdtemp"), 1;
  const fs::path scratch = scratchName;
  spreadSubfolders(scratch);
  std::vector<double> pictavo, wrestool;
  std::size_t pictavoFiles = 0, wrestoolFiles = 0;
  // Run 0 only fills the page cache. Outputs are removed at the very end, so
  // that no run creates files next to ones just deleted.
  for (int r = 0; r <= runs; ++r) {
    // Named afresh each time: ext4 picks a folder's block group from its name.
    const std::string tag = scratch.filename().string().substr(scratch.filename().string().size() - 6) + "-" + std::to_string(r);
    const fs::path p = scratch / ("pictavo-" + tag);
    const fs::path w = scratch / ("wrestool-" + tag);
    fs::create_directories(p);
    fs::create_directories(w);
    Run a, b;
    if (r % 2 == 0) {
      a = timed({cli, "extract", dll, "-o", p.string()});
      b = timed({"wrestool", "-x", "-t", "14", "-o", w.string(), dll});
    } else {
      b = timed({"wrestool", "-x", "-t", "14", "-o", w.string(), dll});
      a = timed({cli, "extract", dll, "-o", p.string()});
    }
    if (a.status != 0 || b.status != 0) {
      std::printf("run %d failed: pictavo-cli exit %d, wrestool exit %d\n", r, a.status, b.status);
      fs::remove_all(scratch);
      return 1;
    }
    if (r == 0) continue;
    pictavo.push_back(a.milliseconds);
    wrestool.push_back(b.milliseconds);
    pictavoFiles = filesIn(p);
    wrestoolFiles = filesIn(w);
  }
  fs::remove_all(scratch);

  const double pm = median(pictavo), wm = median(wrestool);
  std::printf("extract of %s, %d runs each, interleaved\n", dll.c_str(), runs);
  std::printf("pictavo-cli extract:   median %7.1f ms  min %7.1f ms  (%zu icon files, flushed to disk)\n", pm,
              *std::min_element(pictavo.begin(), pictavo.end()), pictavoFiles);
  std::printf("wrestool -x -t 14:     median %7.1f ms  min %7.1f ms  (%zu icon files, not flushed)\n", wm,
              *std::min_element(wrestool.begin(), wrestool.end()), wrestoolFiles);
  std::printf("pictavo-cli is %.1f x faster (medians)\n", wm / pm);
  return 0;
}
