// Starts a program and reports how long it took from exec to its first top-level window
// being mapped, and its resident memory once the window is up.
//
//   map_timer <settle-ms> <program> [args...]
//
// Prints one line "map_ms=<float> rss_kib=<int>" and ends the program with SIGTERM. Runs
// against a display without a window manager, where a client's top-level window is a child
// of the root, so its MapNotify reaches a SubstructureNotify listener on the root.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long ResidentKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer <settle-ms> <program> [args...]\n");
    return 2;
  }
  const int settle_ms = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "map_timer: cannot open the display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }

  double map_ms = -1;
  pollfd fd{ConnectionNumber(display), POLLIN, 0};
  while (map_ms < 0) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify) {
        map_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                           start).count();
        break;
      }
    }
    if (map_ms >= 0) break;
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "map_timer: %s ended before mapping a window\n", argv[2]);
      return 1;
    }
    poll(&fd, 1, 1000);
  }
  usleep(static_cast<useconds_t>(settle_ms) * 1000);
  const long rss = ResidentKib(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::printf("map_ms=%.2f rss_kib=%ld\n", map_ms, rss);
  XCloseDisplay(display);
  return 0;
}
