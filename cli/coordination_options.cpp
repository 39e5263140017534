#include "coordination_options.h"

#include <charconv>

namespace quorprog::cli {

using coordination::Hertz;

namespace {

Hertz khzValue(const std::string& option, const std::string& text) {
    const auto value = coordination::parseKhz(text);
    if (!value) {
        throw UsageError(option + " wants kHz written with digits and a dot, not \"" + text + "\"");
    }
    return *value;
}

coordination::ExcludedRange excludedRange(const std::string& text) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos)
        throw UsageError("--exclude wants LOW-HIGH, not \"" + text + "\"");
    const coordination::ExcludedRange range{khzValue("--exclude", text.substr(0, dash)),
                                            khzValue("--exclude", text.substr(dash + 1)),
                                            {}};
    if (range.high < range.low) throw UsageError("--exclude " + text + " ends below its start");
    return range;
}

}  // namespace

int groupOption(CommandArguments& arguments, int fallback) {
    if (!arguments.has("--group")) return fallback;
    const std::string text = arguments.option("--group");
    int group = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), group);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || group < 0)
        throw UsageError("--group wants a group number from 0, not \"" + text + "\"");
    return group;
}

Hertz khzOption(CommandArguments& arguments, const std::string& name, Hertz fallback) {
    return arguments.has(name) ? khzValue(name, arguments.option(name)) : fallback;
}

coordination::CoordinationRules coordinationRules(CommandArguments& arguments) {
    coordination::CoordinationRules rules;
    coordination::Guards& guards = rules.guards;
    guards.spacing = khzOption(arguments, "--spacing", guards.spacing);
    guards.im3 = khzOption(arguments, "--im3", guards.im3);
    guards.im3x3 = khzOption(arguments, "--im3x3", guards.im3x3);
    guards.im5 = khzOption(arguments, "--im5", guards.im5);
    for (const std::string& text : arguments.options("--with")) {
        const Hertz frequency = khzValue("--with", text);
        if (frequency <= 0) throw UsageError("--with wants a frequency above 0");
        rules.onSite.push_back(frequency);
    }
    for (const std::string& text : arguments.options("--exclude"))
        rules.excluded.push_back(excludedRange(text));
    return rules;
}

}  // namespace quorprog::cli
