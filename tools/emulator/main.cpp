// quorprog-emu: the programmer box on a pseudo-terminal, for tests, demos and runs without
// hardware.
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "box_server.h"
#include "emulator_options.h"
#include "memory_file.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void setUpProcess(bool exitWithParent) {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a signal ends the wait for traffic at once.
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    if (exitWithParent) prctl(PR_SET_PDEATHSIG, SIGTERM);
    // Wire pacing sleeps for half a millisecond at a time; the default slack would stretch it.
    prctl(PR_SET_TIMERSLACK, 1UL);
}

int fail(const std::string& message) {
    std::cerr << "quorprog-emu: " << message << "\n";
    return 2;
}

// A link left by an earlier run is replaced; anything else at that path is kept.
bool makeLink(const std::string& linkPath, const std::string& device, std::string& error) {
    std::error_code code;
    if (std::filesystem::is_symlink(linkPath, code)) std::filesystem::remove(linkPath, code);
    std::filesystem::create_symlink(device, linkPath, code);
    if (code) error = "cannot link " + linkPath + ": " + code.message();
    return !code;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorprog::emulator;

    std::string error;
    const auto options = parseEmulatorOptions({argv + 1, argv + argc}, error);
    if (!options) return fail(error + " (see --help)");
    if (options->help) {
        std::cout << kEmulatorUsage;
        return 0;
    }
    const pid_t parent = getppid();
    setUpProcess(options->exitWithParent);
    // The parent may have ended before the death signal was asked for.
    if (options->exitWithParent && getppid() != parent) return 0;

    auto memory = loadMemory(*options, error);
    if (!memory) return fail(error);
    TrafficTrace trace(options->traceFile);
    if (!options->traceFile.empty() && !trace.isOpen()) {
        return fail("cannot write " + options->traceFile);
    }
    auto terminal = PseudoTerminal::create(error);
    if (!terminal) return fail(error);
    if (!options->linkPath.empty() && !makeLink(options->linkPath, terminal->devicePath(), error)) {
        return fail(error);
    }

    ProgrammerBox::WriteListener persist;
    if (!options->imageFile.empty()) {
        persist = [&](const quorprog::Bytes& bytes) {
            if (!saveMemory(options->imageFile, bytes, memory->imageSize)) {
                std::cerr << "quorprog-emu: cannot write " << options->imageFile << "\n";
            }
        };
        // With a model, the image file starts as the factory device.
        if (!options->modelName.empty()) persist(memory->bytes);
    }
    ProgrammerBox box(options->box, std::move(memory->bytes), persist);

    std::cout << terminal->devicePath() << std::endl;
    const LinkTiming timing{options->baud, std::chrono::milliseconds(options->latencyMs)};
    serveBox(*terminal, box, trace, timing, stopRequested);

    if (!options->linkPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(options->linkPath, ignored);
    }
    return 0;
}
