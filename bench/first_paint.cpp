// Starts a program and reports how long it took until its first top-level
// window was mapped and painted on the X server, and the program's peak
// memory. Ends the program then.
//   first_paint PROGRAM [ARGS...]   prints "<milliseconds> <peak KiB>"
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_paint PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "first_paint: cannot open the display '%s'\n", XDisplayName(nullptr));
    return 2;
  }
  int damage_event = 0, damage_error = 0;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
    std::fprintf(stderr, "first_paint: needs an X server with the DAMAGE extension\n");
    return 2;
  }
  // Every window the program creates on the root shows up here first.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }

  std::set<Window> mapped;
  double milliseconds = -1;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (milliseconds < 0) {
    if (!XPending(display) && poll(&connection, 1, 10000) <= 0) break;  // gave up after 10 s
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify) {
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
    } else if (event.type == MapNotify) {
      mapped.insert(event.xmap.window);
    } else if (event.type == damage_event + XDamageNotify) {
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
      if (mapped.count(damage.drawable))
        milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
  }

  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (milliseconds < 0) {
    std::fprintf(stderr, "first_paint: no window was painted\n");
    return 1;
  }
  std::printf("%.2f %ld\n", milliseconds, usage.ru_maxrss);
  return 0;
}
