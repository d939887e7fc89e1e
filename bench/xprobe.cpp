// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the real game on an X display from the outside, as a player meets it:
//   trelavka-xprobe startup GAME RUNS [GAME2]   exec to the welcome box, OK to the main window,
//       peak RSS; with GAME2 the two alternate, run by run
//   trelavka-xprobe idle GAME SECONDS [X_SERVER_PID [OTHER_PID]]   CPU time of a running game
//       left alone (and of the X server and another process, such as Wine's server)
// A GAME ending in .exe runs under Wine ($TRELAVKA_WINE, else /usr/lib/wine/wine64),
// whose loader becomes the game's own process.
// An X client of its own sees each window's MapNotify on the root the moment
// the server maps it, and answers with XTest input as a player's keyboard
// and mouse would; a helper process per action would add its own start-up.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr const char* kWelcomeTitle = "VÍTEJ NOVÝ STAROSTO";
constexpr const char* kMainTitle = "Trelavka";
// The main window's client area and "Start hry" in it, in pixels; the menu
// bar sits above the client area.
constexpr int kClientHeight = 496;
constexpr int kStartX = 328, kStartY = 37, kStartW = 110, kStartH = 29;
constexpr xcb_keysym_t kReturn = 0xff0d;
constexpr auto kPatience = std::chrono::seconds(15);

double msBetween(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// Thrown, not exited, so that the game started is killed on the way out.
[[noreturn]] void die(const std::string& why) { throw std::runtime_error(why); }

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

class Display {
 public:
  Display() {
    conn_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(conn_)) die("no X display (DISPLAY unset or server gone)");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
    netName_ = atom("_NET_WM_NAME");
    utf8_ = atom("UTF8_STRING");
    if (!Reply<xcb_query_extension_reply_t>(
             xcb_query_extension_reply(conn_, xcb_query_extension(conn_, 5, "XTEST"), nullptr),
             &std::free)
             ->present) {
      die("the X server has no XTEST");
    }
    returnKey_ = keycodeOf(kReturn);
    xcb_flush(conn_);
  }
  ~Display() { xcb_disconnect(conn_); }
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  // The next top-level window mapped with this title, and when; none by the deadline.
  std::optional<std::pair<xcb_window_t, Clock::time_point>> awaitMap(const std::string& title,
                                                                      Clock::time_point until) {
    for (;;) {
      xcb_generic_event_t* raw = xcb_poll_for_event(conn_);
      if (raw == nullptr) {
        if (xcb_connection_has_error(conn_)) die("lost the X display");
        const auto left = std::chrono::duration_cast<milliseconds>(until - Clock::now()).count();
        if (left <= 0) return std::nullopt;
        pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
        continue;
      }
      // Taken before anything else: the title look-up is a round trip.
      const auto at = Clock::now();
      Reply<xcb_generic_event_t> event(raw, &std::free);
      if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
      const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
      if (map->override_redirect) continue;  // menus, tooltips
      if (titleOf(map->window) == title) return std::make_pair(map->window, at);
    }
  }

  void pressReturn(xcb_window_t window) {
    xcb_set_input_focus(conn_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_test_fake_input(conn_, XCB_KEY_PRESS, returnKey_, XCB_CURRENT_TIME, root_, 0, 0, 0);
    xcb_test_fake_input(conn_, XCB_KEY_RELEASE, returnKey_, XCB_CURRENT_TIME, root_, 0, 0, 0);
    sync();
  }

  void click(int16_t x, int16_t y) {
    xcb_test_fake_input(conn_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, x, y, 0);
    xcb_test_fake_input(conn_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root_, x, y, 0);
    xcb_test_fake_input(conn_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root_, x, y, 0);
    sync();
  }

  xcb_rectangle_t geometry(xcb_window_t window) {
    Reply<xcb_get_geometry_reply_t> g(
        xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window), nullptr), &std::free);
    if (!g) die("the window went away");
    return {g->x, g->y, g->width, g->height};
  }

  // When the window first shows anything but the black root behind it: Qt
  // leaves a new window's background to its own first paint. A small patch
  // near its top left corner (the frame, a menu bar) keeps the server's work
  // for each look from slowing the game it watches.
  std::optional<Clock::time_point> awaitPaint(xcb_window_t window, Clock::time_point until) {
    const xcb_rectangle_t w = geometry(window);
    const xcb_rectangle_t patch{static_cast<int16_t>(w.x + 4), static_cast<int16_t>(w.y + 4), 16, 16};
    while (Clock::now() < until) {
      const std::string p = pixels(patch);
      const auto at = Clock::now();
      if (std::any_of(p.begin(), p.end(), [](char c) { return c != 0; })) return at;
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return std::nullopt;
  }

  // The screen's pixels in the rectangle, as the server holds them.
  std::string pixels(xcb_rectangle_t r) {
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(conn_,
                            xcb_get_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, r.x, r.y,
                                          r.width, r.height, ~0u),
                            nullptr),
        &std::free);
    if (!image) die("could not read the screen");
    return {reinterpret_cast<const char*>(xcb_get_image_data(image.get())),
            static_cast<std::size_t>(xcb_get_image_data_length(image.get()))};
  }

 private:
  void sync() { std::free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr)); }

  xcb_atom_t atom(const char* name) {
    Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
  }

  std::string titleOf(xcb_window_t window) {
    for (const auto& [property, type] : {std::pair{netName_, utf8_}, {XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
      Reply<xcb_get_property_reply_t> r(
          xcb_get_property_reply(conn_, xcb_get_property(conn_, 0, window, property, type, 0, 256),
                                 nullptr),
          &std::free);
      if (r && xcb_get_property_value_length(r.get()) > 0) {
        return {static_cast<const char*>(xcb_get_property_value(r.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(r.get()))};
      }
    }
    return {};
  }

  xcb_keycode_t keycodeOf(xcb_keysym_t sym) {
    const xcb_setup_t* setup = xcb_get_setup(conn_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> map(
        xcb_get_keyboard_mapping_reply(
            conn_, xcb_get_keyboard_mapping(conn_, setup->min_keycode, static_cast<uint8_t>(count)),
            nullptr),
        &std::free);
    if (!map) die("no keyboard mapping");
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    for (int k = 0; k < count; ++k) {
      for (int i = 0; i < map->keysyms_per_keycode; ++i) {
        if (syms[k * map->keysyms_per_keycode + i] == sym) {
          return static_cast<xcb_keycode_t>(setup->min_keycode + k);
        }
      }
    }
    die("no key gives Return");
  }

  xcb_connection_t* conn_;
  xcb_window_t root_;
  xcb_atom_t netName_;
  xcb_atom_t utf8_;
  xcb_keycode_t returnKey_ = 0;
};

// From /proc/PID/stat: user plus system time of all its threads so far in ms
// (clock-tick resolution), and its page faults, minor and major.
struct Usage {
  double cpuMs = 0;
  unsigned long long minorFaults = 0;
  unsigned long long majorFaults = 0;
};

Usage usageOf(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string all((std::istreambuf_iterator<char>(in)), {});
  if (all.empty()) die("no process " + std::to_string(pid));
  // Fields after the command name, which may itself hold blanks.
  std::istringstream rest(all.substr(all.rfind(')') + 2));
  std::string field;
  Usage u;
  unsigned long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i) {
    if (i == 10) u.minorFaults = std::stoull(field);
    if (i == 12) u.majorFaults = std::stoull(field);
    if (i == 14) utime = std::stoull(field);
    if (i == 15) stime = std::stoull(field);
  }
  u.cpuMs = static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  return u;
}

double cpuMsOf(pid_t pid) { return usageOf(pid).cpuMs; }

// The game, started from its own folder (it reads its sounds from data/ there);
// killed when this goes out of scope.
class Game {
 public:
  explicit Game(const std::string& program) {
    const auto path = std::filesystem::absolute(program);
    started_ = Clock::now();
    pid_ = fork();
    if (pid_ < 0) die("fork failed");
    if (pid_ == 0) {
      if (chdir(path.parent_path().c_str()) != 0) _exit(126);
      const int null = open("/dev/null", O_WRONLY);
      if (null >= 0) {
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
      }
      if (path.extension() == ".exe") {
        const char* wine = std::getenv("TRELAVKA_WINE");
        if (wine == nullptr || *wine == '\0') wine = "/usr/lib/wine/wine64";
        execl(wine, wine, path.c_str(), static_cast<char*>(nullptr));
      } else {
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      }
      _exit(127);
    }
  }
  ~Game() {
    if (reaped_) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock::time_point started() const { return started_; }

  bool running() {
    if (!reaped_ && waitpid(pid_, nullptr, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
  }

  // A "Vm..:" line of /proc/PID/status, in kB.
  long statusKb(const char* field) const {
    std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + std::strlen(field) + 1, nullptr, 10);
    }
    die(std::string("no ") + field + " for the game");
  }

  Usage usage() const { return usageOf(pid_); }

  // Per live thread: name, scheduler run time in ms, voluntary switches (wake-ups).
  struct Thread {
    std::string name;
    double runMs = 0;
    long wakeUps = 0;
  };
  std::map<long, Thread> threads() const {
    std::map<long, Thread> all;
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator(tasks, ec)) {
      Thread& t = all[std::stol(task.path().filename())];
      std::ifstream(task.path() / "comm") >> t.name;
      std::ifstream(task.path() / "schedstat") >> t.runMs;
      t.runMs /= 1e6;
      std::ifstream status(task.path() / "status");
      for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0) t.wakeUps = std::stol(line.substr(24));
      }
    }
    return all;
  }

 private:
  pid_t pid_;
  bool reaped_ = false;  // its pid may belong to another process by now
  Clock::time_point started_;
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Shown {
  Clock::time_point box;
  Clock::time_point boxPainted;
  xcb_window_t main;
  Clock::time_point okPressed;
  Clock::time_point mainMapped;
  Clock::time_point mainPainted;
  double cpuToBoxMs;  // every thread's time on a CPU, read when the box has painted
};

// Waits for the welcome box, lets it stand a moment as a player would read it,
// answers it and waits for the main window.
Shown throughWelcome(Display& x, Game& game) {
  // In short slices, so that a game that fails to start is noticed at once.
  std::optional<std::pair<xcb_window_t, Clock::time_point>> box;
  while (!box) {
    if (!game.running()) die("the game ended before its welcome box");
    if (Clock::now() > game.started() + kPatience) die("no welcome box within 15 s");
    box = x.awaitMap(kWelcomeTitle, Clock::now() + milliseconds(100));
  }
  const auto boxPainted = x.awaitPaint(box->first, box->second + std::chrono::seconds(5));
  if (!boxPainted) die("the welcome box stayed black");
  // Time spent waiting for a CPU is not in it: the figure a loaded machine moves least.
  double cpuToBoxMs = 0;
  for (const auto& [id, thread] : game.threads()) cpuToBoxMs += thread.runMs;
  std::this_thread::sleep_for(milliseconds(300));
  // One key may come before the box takes focus; a late second press is harmless.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const auto ok = Clock::now();
    x.pressReturn(box->first);
    if (const auto main = x.awaitMap(kMainTitle, ok + std::chrono::seconds(3))) {
      if (attempt > 0) std::fprintf(stderr, "note: Return pressed %d times\n", attempt + 1);
      const auto mainPainted = x.awaitPaint(main->first, main->second + std::chrono::seconds(5));
      if (!mainPainted) die("the main window stayed black");
      return {box->second, *boxPainted, main->first, ok, main->second, *mainPainted, cpuToBoxMs};
    }
  }
  die("the main window did not appear after OK");
}

int startup(const std::vector<std::string>& programs, int runs) {
  Display x;
  const std::array<const char*, 6> names{"exec->welcome box mapped", "exec->welcome box painted",
                                         "OK->main window mapped", "OK->main window painted",
                                         "peak RSS (MB)", "CPU to welcome box (ms)"};
  std::vector<std::array<std::vector<double>, 6>> figures(programs.size());
  // Run 0 meets cold caches (fonts, libraries); it is shown, not counted.
  // Alternating run by run, the programs meet the same moods of the machine.
  for (int run = 0; run <= runs; ++run) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      Game game(programs[p]);
      const Shown s = throughWelcome(x, game);
      // The first paint of the main window belongs to the start-up's memory.
      std::this_thread::sleep_for(milliseconds(500));
      const std::array<double, 6> f{msBetween(game.started(), s.box), msBetween(game.started(), s.boxPainted),
                                    msBetween(s.okPressed, s.mainMapped), msBetween(s.okPressed, s.mainPainted),
                                    static_cast<double>(game.statusKb("VmHWM")) / 1024.0, s.cpuToBoxMs};
      std::printf("run %2d %c: box mapped %6.1f painted %6.1f ms (CPU %5.1f); main mapped %6.1f painted %6.1f ms "
                  "after OK; peak RSS %.1f MB%s\n",
                  run, static_cast<char>('A' + p), f[0], f[1], f[5], f[2], f[3], f[4],
                  run == 0 ? " (cold, not counted)" : "");
      if (run == 0) continue;
      for (std::size_t i = 0; i < f.size(); ++i) figures[p][i].push_back(f[i]);
    }
  }
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::printf("%c: %s\n", static_cast<char>('A' + p), programs[p].c_str());
    for (std::size_t i = 0; i < figures[p].size(); ++i) {
      const auto [lo, hi] = std::minmax_element(figures[p][i].begin(), figures[p][i].end());
      std::printf("  median of %d: %-26s %7.1f  (min %.1f, max %.1f)\n", runs, names[i], median(figures[p][i]),
                  *lo, *hi);
    }
  }
  // What the first program costs over the second: the figures that matter
  // here are ratios, since the machine's moods move both alike.
  if (programs.size() == 2) {
    std::printf("A / B, medians:\n");
    for (std::size_t i = 0; i < names.size(); ++i) {
      std::printf("  %-26s %5.2fx\n", names[i], median(figures[0][i]) / median(figures[1][i]));
    }
  }
  return 0;
}

int idle(const std::string& program, double seconds, pid_t server, pid_t other) {
  Display x;
  Game game(program);
  const Shown s = throughWelcome(x, game);
  std::this_thread::sleep_for(milliseconds(500));

  const xcb_rectangle_t w = x.geometry(s.main);
  const int menuBar = w.height - kClientHeight;
  const xcb_rectangle_t button{static_cast<int16_t>(w.x + kStartX), static_cast<int16_t>(w.y + menuBar + kStartY),
                               kStartW, kStartH};
  const std::string before = x.pixels(button);
  x.click(static_cast<int16_t>(button.x + kStartW / 2), static_cast<int16_t>(button.y + kStartH / 2));
  std::this_thread::sleep_for(milliseconds(300));
  // Pressed, the button gives way to the pause button elsewhere.
  if (x.pixels(button) == before) die("Start hry did not react to the click");

  const std::string screenBefore = x.pixels(w);
  const Usage use0 = game.usage();
  const double server0 = server > 0 ? cpuMsOf(server) : 0;
  const double other0 = other > 0 ? cpuMsOf(other) : 0;
  const auto threads0 = game.threads();
  const auto t0 = Clock::now();
  // In slices of 10 s, so that a cost that grows as the game goes on shows.
  std::string slices;
  for (double done = 0, last = use0.cpuMs; done < seconds; done += 10) {
    const double slice = std::min(10.0, seconds - done);
    std::this_thread::sleep_until(t0 + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(done + slice)));
    const double now = game.usage().cpuMs;
    slices += " " + std::to_string(static_cast<long>(now - last));
    last = now;
  }
  const Usage use1 = game.usage();
  const double cpu0 = use0.cpuMs, cpu1 = use1.cpuMs;
  const double server1 = server > 0 ? cpuMsOf(server) : 0;
  const double other1 = other > 0 ? cpuMsOf(other) : 0;
  const auto threads1 = game.threads();
  const double wall = msBetween(t0, Clock::now());
  if (!game.running()) die("the game ended while it was measured");
  if (x.pixels(w) == screenBefore) die("nothing moved in the window: is the game running?");

  std::printf("idle for %.1f s with the game running:\n", wall / 1000);
  std::printf("  CPU (utime+stime) %.0f ms = %.3f %% of one core\n", cpu1 - cpu0, 100 * (cpu1 - cpu0) / wall);
  double run = 0;
  long wakeUps = 0;
  std::string perThread;
  for (const auto& [tid, t] : threads1) {
    const auto before = threads0.find(tid);
    const Game::Thread start = before == threads0.end() ? Game::Thread{} : before->second;
    run += t.runMs - start.runMs;
    wakeUps += t.wakeUps - start.wakeUps;
    if (t.runMs - start.runMs >= 0.05) {
      char line[160];
      std::snprintf(line, sizeof line, "    thread %-16s %8.1f ms, %5ld wake-ups\n", t.name.c_str(),
                    t.runMs - start.runMs, t.wakeUps - start.wakeUps);
      perThread += line;
    }
  }
  std::printf("  scheduler run time %.1f ms = %.3f %% of one core, %.1f wake-ups per s\n", run,
              100 * run / wall, static_cast<double>(wakeUps) * 1000 / wall);
  std::fputs(perThread.c_str(), stdout);
  std::printf("  CPU ms per 10 s slice:%s\n", slices.c_str());
  // Page faults while idle would mean the machine took the game's memory away.
  std::printf("  page faults: %llu minor, %llu major\n", use1.minorFaults - use0.minorFaults,
              use1.majorFaults - use0.majorFaults);
  if (server > 0) {
    std::printf("  the X server meanwhile: %.0f ms = %.3f %% of one core\n", server1 - server0,
                100 * (server1 - server0) / wall);
  }
  if (other > 0) {
    std::printf("  process %d meanwhile: %.0f ms = %.3f %% of one core\n", static_cast<int>(other),
                other1 - other0, 100 * (other1 - other0) / wall);
  }
  std::printf("  resident %ld kB, peak %ld kB\n", game.statusKb("VmRSS"), game.statusKb("VmHWM"));
  return 0;
}

}  // namespace

int main(int argc, char** argv) try {
  if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "startup") == 0) {
    std::vector<std::string> programs{argv[2]};
    if (argc == 5) programs.emplace_back(argv[4]);
    return startup(programs, std::max(1, std::atoi(argv[3])));
  }
  if (argc >= 4 && argc <= 6 && std::strcmp(argv[1], "idle") == 0) {
    return idle(argv[2], std::max(1.0, std::atof(argv[3])), argc >= 5 ? std::atoi(argv[4]) : 0,
                argc == 6 ? std::atoi(argv[5]) : 0);
  }
  std::fprintf(stderr, "usage: %s startup GAME RUNS [GAME2] | idle GAME SECONDS [X_SERVER_PID [OTHER_PID]]\n",
               argv[0]);
  return 2;
} catch (const std::exception& e) {
  std::fprintf(stderr, "trelavka-xprobe: %s\n", e.what());
  return 1;
}
