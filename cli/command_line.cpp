#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quorprog::cli {

namespace {

std::string takeValue(const std::vector<std::string>& arguments, size_t& i) {
    if (i + 1 >= arguments.size()) throw UsageError(arguments[i] + " needs a value");
    return arguments[++i];
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    size_t i = 0;
    for (; i < arguments.size() && arguments[i].starts_with("--"); ++i) {
        const std::string& option = arguments[i];
        if (option == "--description") {
            line.options.descriptionFile = takeValue(arguments, i);
        } else if (option == "--log") {
            line.options.logFile = takeValue(arguments, i);
        } else if (option == "--yes") {
            line.options.yes = true;
        } else if (option == "--json") {
            line.options.json = true;
        } else if (option == "--no-backup") {
            line.options.noBackup = true;
        } else if (option == "--help") {
            line.help = true;
        } else if (option == "--version") {
            line.version = true;
        } else {
            throw UsageError("unknown option " + option);
        }
    }
    if (line.help || line.version) return line;
    if (i == arguments.size()) throw UsageError("no command given");
    line.command = arguments[i++];
    line.arguments.assign(arguments.begin() + static_cast<ptrdiff_t>(i), arguments.end());
    // Scripts write --json after the command as often as before it; every command takes both.
    const auto json = std::remove(line.arguments.begin(), line.arguments.end(), "--json");
    if (json != line.arguments.end()) line.options.json = true;
    line.arguments.erase(json, line.arguments.end());
    return line;
}

std::string CommandArguments::option(const std::string& name, const std::string& fallback) {
    for (size_t i = 0; i < arguments_.size(); ++i) {
        if (arguments_[i] == name) {
            if (i + 1 >= arguments_.size())
                throw UsageError(command_ + ": " + name + " needs a value");
            std::string value = arguments_[i + 1];
            arguments_.erase(arguments_.begin() + static_cast<ptrdiff_t>(i),
                             arguments_.begin() + static_cast<ptrdiff_t>(i) + 2);
            return value;
        }
        if (arguments_[i].starts_with(name + "=")) {
            std::string value = arguments_[i].substr(name.size() + 1);
            arguments_.erase(arguments_.begin() + static_cast<ptrdiff_t>(i));
            return value;
        }
    }
    return fallback;
}

std::vector<std::string> CommandArguments::options(const std::string& name) {
    std::vector<std::string> values;
    while (has(name)) values.push_back(option(name));
    return values;
}

bool CommandArguments::has(const std::string& name) const {
    return std::any_of(arguments_.begin(), arguments_.end(), [&](const std::string& a) {
        return a == name || a.starts_with(name + "=");
    });
}

bool CommandArguments::flag(const std::string& name) {
    const auto found = std::find(arguments_.begin(), arguments_.end(), name);
    if (found == arguments_.end()) return false;
    arguments_.erase(found);
    return true;
}

int CommandArguments::positiveOption(const std::string& name, int fallback) {
    if (!has(name)) return fallback;
    const std::string text = option(name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        throw UsageError(command_ + ": " + name + " " + text + " is out of range");
    if (error != std::errc() || end != text.data() + text.size() || value < 1) {
        throw UsageError(command_ + ": " + name + " wants a whole number from 1, not \"" + text +
                         "\"");
    }
    return value;
}

std::string CommandArguments::operand(const std::string& what) {
    if (arguments_.empty()) throw UsageError(command_ + ": " + what + " missing");
    std::string value = arguments_.front();
    // Options are taken before operands, so what looks like one here is unknown; a negative
    // number is a value.
    if (value.size() > 1 && value[0] == '-' &&
        !std::isdigit(static_cast<unsigned char>(value[1]))) {
        throw UsageError(command_ + ": unknown option " + value);
    }
    arguments_.erase(arguments_.begin());
    return value;
}

void CommandArguments::finish() const {
    if (!arguments_.empty()) {
        throw UsageError(command_ + ": unexpected argument " + arguments_.front());
    }
}

}  // namespace quorprog::cli
