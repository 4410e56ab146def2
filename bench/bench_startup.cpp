// Start-up, whole process against whole process, on a virtual screen of its own
// (Xvfb, no window manager): the time from starting a program until the X server
// maps its main window, for the editor and for an empty Qt main window of the same
// size (startup_empty_window; also with a menu bar and text, for what those cost
// in any Qt program), runs interleaved; and the time until the editor,
// started on a DLL, maps its icon chooser.
// Every program gets a session bus of the bench's own, as in a desktop session:
// without one, each Qt program that touches D-Bus (menus, accessibility) waits for
// libdbus to try starting a bus, which no desktop user ever pays.
// Usage: bench_startup [RUNS] [PICTAVO] [DLL] [--no-session-bus]
//   defaults: 15 runs, pictavo beside this program's folder, Wine's shell32.dll
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* kShell32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            posix_spawn_file_actions_t* actions = nullptr) {
  std::vector<char*> args, vars;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string& v : env) vars.push_back(const_cast<char*>(v.c_str()));
  vars.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, args[0], actions, nullptr, args.data(), vars.data()) != 0) return -1;
  return pid;
}

// Xvfb on the first free display; returns its number, or -1.
int startXvfb(pid_t& server) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  server = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                 {"PATH=/usr/bin:/bin"});
  close(fds[1]);
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  return server > 0 && !number.empty() ? std::atoi(number.c_str()) : -1;
}

// A session bus (dbus-daemon, Debian package dbus-daemon); its address, or "" if none.
std::string startSessionBus(pid_t& daemon) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  posix_spawn_file_actions_t quiet;  // it complains that it may not raise its file limit
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  daemon = spawn({"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=" + std::to_string(fds[1])},
                 {"PATH=/usr/bin:/bin"}, &quiet);
  posix_spawn_file_actions_destroy(&quiet);
  close(fds[1]);
  std::string address;
  char c;
  while (daemon > 0 && read(fds[0], &c, 1) == 1 && c != '\n') address += c;
  close(fds[0]);
  return address;
}

std::string windowName(Display* display, Window w) {
  char* name = nullptr;
  std::string result;
  if (XFetchName(display, w, &name) && name) result = name;
  if (name) XFree(name);
  return result;
}

// Processor time the process and all its threads have used so far, in milliseconds:
// unlike the time on the clock, it hardly depends on what else the machine is doing.
double cpuMilliseconds(pid_t pid) {
  double ns = 0;
  std::error_code ignored;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
    std::ifstream stat(task.path() / "schedstat");
    double onCpu = 0;
    if (stat >> onCpu) ns += onCpu;
  }
  return ns / 1e6;
}

struct Start {
  double wall = -1;  // ms on the clock until mapped; -1 if never
  double cpu = -1;   // ms of processor time until mapped
};

// From the start of `argv` until a window named `title` is mapped.
Start timeToMap(Display* display, const std::vector<std::string>& argv, const std::vector<std::string>& env,
                const std::string& title) {
  XSync(display, True);  // drop events of earlier runs
  const auto start = Clock::now();
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  const pid_t child = spawn(argv, env, &quiet);
  posix_spawn_file_actions_destroy(&quiet);
  if (child < 0) return {};
  Start result;
  double& ms = result.wall;
  pollfd watch{ConnectionNumber(display), POLLIN, 0};
  while (ms < 0 && Clock::now() - start < std::chrono::seconds(20)) {
    while (XPending(display) > 0 && ms < 0) {
      XEvent e;
      XNextEvent(display, &e);
      if (e.type == MapNotify && windowName(display, e.xmap.window) == title) {
        ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        result.cpu = cpuMilliseconds(child);
      }
    }
    if (ms < 0) poll(&watch, 1, 100);
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return result;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? -1 : v[v.size() / 2];
}

struct Series {
  std::vector<double> wall, cpu;
  void add(const Start& s) {
    wall.push_back(s.wall);
    cpu.push_back(s.cpu);
  }
};

void report(const char* what, const Series& s) {
  std::printf("%-31s clock median %6.1f ms (best %6.1f, worst %6.1f); processor median %6.1f ms\n", what,
              median(s.wall), *std::min_element(s.wall.begin(), s.wall.end()),
              *std::max_element(s.wall.begin(), s.wall.end()), median(s.cpu));
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const auto noBus = std::find(args.begin(), args.end(), "--no-session-bus");
  const bool wantBus = noBus == args.end();
  if (!wantBus) args.erase(noBus);
  const int runs = args.size() > 0 ? std::max(1, std::atoi(args[0].c_str())) : 15;
  const fs::path here = fs::canonical("/proc/self/exe").parent_path();
  const std::string pictavo = args.size() > 1 ? args[1] : (here.parent_path() / "pictavo").string();
  const std::string empty = (here / "startup_empty_window").string();
  const std::string dll = args.size() > 2 ? args[2] : kShell32;

  pid_t server = -1;
  const int number = startXvfb(server);
  if (number < 0) {
    std::fprintf(stderr, "Xvfb could not start\n");
    return 1;
  }
  const std::string displayName = ":" + std::to_string(number);
  Display* display = nullptr;
  for (int i = 0; i < 50 && !display; ++i, usleep(100000)) display = XOpenDisplay(displayName.c_str());
  if (!display) {
    std::fprintf(stderr, "cannot open display %s\n", displayName.c_str());
    kill(server, SIGTERM);
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  // A settings file past its first run, in a scratch home, so no question comes first.
  const fs::path home = fs::temp_directory_path() / ("pictavo-bench-startup-" + std::to_string(getpid()));
  fs::create_directories(home / "runtime");
  fs::permissions(home / "runtime", fs::perms::owner_all);
  std::ofstream(home / "pictav.ini") << "\" \",\"" << home.string() << "\",\"" << home.string()
                                     << "\",\"1\",\"\",\"\",\"\",\"Version_20b\"\r\n";
  fs::current_path(home);
  std::vector<std::string> env = {"DISPLAY=" + displayName, "HOME=" + home.string(),
                                  "XDG_RUNTIME_DIR=" + (home / "runtime").string(),
                                  "XDG_CONFIG_HOME=" + (home / "config").string(), "PATH=/usr/bin:/bin",
                                  "QT_QPA_PLATFORM=xcb"};
  pid_t bus = -1;
  const std::string busAddress = wantBus ? startSessionBus(bus) : std::string();
  if (!busAddress.empty()) env.push_back("DBUS_SESSION_BUS_ADDRESS=" + busAddress);

  Series editor, floor, menus, chooser;
  for (int r = 0; r < runs; ++r) {
    floor.add(timeToMap(display, {empty}, env, "Pictavo"));
    menus.add(timeToMap(display, {empty, "--menus"}, env, "Pictavo"));
    editor.add(timeToMap(display, {pictavo}, env, "Pictavo"));
    if (fs::exists(dll)) chooser.add(timeToMap(display, {pictavo, dll}, env, "Choose Icon"));
  }
  std::printf("%d runs each, interleaved, %s\n", runs,
              busAddress.empty() ? "without a session bus" : "with a session bus");
  report("empty Qt main window mapped", floor);
  report("same with a menu bar and text", menus);
  report("Pictavo main window mapped", editor);
  if (!chooser.wall.empty()) report(("chooser for " + fs::path(dll).filename().string()).c_str(), chooser);
  std::printf("ratio editor / empty window: clock %.2f, processor %.2f (target 1.30 or less)\n",
              median(editor.wall) / median(floor.wall), median(editor.cpu) / median(floor.cpu));
  std::printf("ratio editor / window with a menu bar and text: clock %.2f, processor %.2f\n",
              median(editor.wall) / median(menus.wall), median(editor.cpu) / median(menus.cpu));

  XCloseDisplay(display);
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
  if (bus > 0) {
    kill(bus, SIGTERM);
    waitpid(bus, nullptr, 0);
  }
  fs::remove_all(home);
  return 0;
}
