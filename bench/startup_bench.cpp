// Start-up to the window shown, the Quorvel Programmer side by side with qdmr (a Qt radio
// programming tool, Debian package qdmr), on the same X display.
//
//   startup_bench [--runs N] [QUORPROG [QDMR]]
//
// Each run starts the program with a fresh home of its own and times from the start of the
// process to the X server's MapNotify of its main window (the first mapped window whose title
// begins with the program's title). The programs take turns, after one run each to warm the
// file cache; the medians and their ratio are printed. Needs DISPLAY (Xvfb is enough).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kMapTimeout = std::chrono::seconds(30);

struct Program {
    std::string label;
    std::string path;
    std::string titlePrefix;  // of its main window
    std::vector<double> milliseconds;
};

std::string titleOf(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) return {};
    std::string title(name);
    XFree(name);
    return title;
}

// A home with nothing of either program in it; quorprog's COM names lead nowhere, so its search
// for a programmer after the window is shown touches no port of the machine.
std::filesystem::path freshHome(int run) {
    const auto home = std::filesystem::temp_directory_path() /
                      ("startup_bench." + std::to_string(getpid()) + "." + std::to_string(run));
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / ".config/quorprog");
    std::ofstream(home / ".config/quorprog/quorprog.ini")
        << "[PORTS]\r\nCOM1=" << (home / "none").string() << "\r\nCOM2=" << (home / "none").string()
        << "\r\nCOM3=" << (home / "none").string() << "\r\nCOM4=" << (home / "none").string()
        << "\r\n";
    return home;
}

pid_t startProgram(const std::string& path, const std::filesystem::path& home) {
    const pid_t child = fork();
    if (child != 0) return child;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    if (freopen("/dev/null", "w", stdout) == nullptr || freopen("/dev/null", "w", stderr) == nullptr) {
        _exit(127);
    }
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

// Milliseconds from the start of the process to the mapping of its main window.
std::optional<double> timeToWindow(Display* display, const Program& program, int run) {
    const auto home = freshHome(run);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);  // drop what earlier runs left
    const auto start = Clock::now();
    const pid_t child = startProgram(program.path, home);
    std::optional<double> elapsed;
    while (!elapsed && Clock::now() - start < kMapTimeout) {
        if (XPending(display) == 0) {
            usleep(200);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect) continue;
        if (titleOf(display, event.xmap.window).rfind(program.titlePrefix, 0) == 0) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    std::filesystem::remove_all(home);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 9;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            paths.push_back(argument);
        }
    }
    std::vector<Program> programs = {
        {"quorprog", paths.size() > 0 ? paths[0] : QUORPROG_BINARY_DIR "/bin/quorprog",
         "Quorvel Programmer", {}},
        {"qdmr", paths.size() > 1 ? paths[1] : "/usr/bin/qdmr", "qdmr", {}},
    };
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench: no X display (set DISPLAY, e.g. under Xvfb)\n");
        return 1;
    }
    int run = 0;
    for (int round = 0; round <= runs; ++round) {
        for (Program& program : programs) {
            const auto elapsed = timeToWindow(display, program, run++);
            if (!elapsed) {
                std::fprintf(stderr, "startup_bench: %s showed no window\n", program.path.c_str());
                return 1;
            }
            if (round > 0) program.milliseconds.push_back(*elapsed);  // round 0 warms the cache
        }
    }
    XCloseDisplay(display);
    for (const Program& program : programs) {
        const auto [low, high] =
            std::minmax_element(program.milliseconds.begin(), program.milliseconds.end());
        std::printf("%-9s %-40s median %7.1f ms  (min %6.1f, max %6.1f, %d runs)\n",
                    program.label.c_str(), program.path.c_str(), median(program.milliseconds),
                    *low, *high, runs);
    }
    std::printf("ratio quorprog / qdmr: %.2f\n",
                median(programs[0].milliseconds) / median(programs[1].milliseconds));
    return 0;
}
