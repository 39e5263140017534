#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace quorprog::cli {

// What the tool ends with: scripts test these.
enum ExitStatus : int {
    kSuccess = 0,
    kFailed = 1,      // the device, a file or the identification failed
    kUsageError = 2,  // the command line is wrong
    // The command worked and its answer is "no": two images or a device and a plan differ, a
    // group has conflicts, fewer compatible channels were found than asked for. Scripts tell the
    // answers apart without reading the output.
    kDifferencesFound = 3,
};

// A wrong command line; the message says what is wrong.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct GlobalOptions {
    std::string descriptionFile;  // empty: the built-in description
    std::string logFile;          // empty: no log
    bool yes = false;             // every question answered Yes
    bool json = false;
    bool noBackup = false;        // reads and writes keep no backup of the device
};

// The command line split into the global options, the command and its own arguments.
struct CommandLine {
    GlobalOptions options;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments;
};

// Global options come before the command; the rest belongs to the command, but for --json, which
// may also follow it.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The arguments of one command: its options (with or without a value) and its operands, in any
// order. Each accessor takes what it finds; finish() rejects anything left over.
class CommandArguments {
  public:
    CommandArguments(std::string command, std::vector<std::string> arguments)
        : command_(std::move(command)), arguments_(std::move(arguments)) {}

    // The value after `name` (also given as name=value), or `fallback` when absent.
    std::string option(const std::string& name, const std::string& fallback = {});
    // Every value of an option that may be given more than once, in command-line order.
    std::vector<std::string> options(const std::string& name);
    bool has(const std::string& name) const;
    bool flag(const std::string& name);
    // A positive whole number option.
    int positiveOption(const std::string& name, int fallback);
    // The next operand; `what` names it in the error when it is missing.
    std::string operand(const std::string& what);
    // Every argument was used.
    void finish() const;

  private:
    std::string command_;
    std::vector<std::string> arguments_;
};

}  // namespace quorprog::cli
