#include "programmer/port_resolution.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quorprog {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Digit runs compare by their value, everything else character by character.
bool naturalLess(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const size_t startA = i;
            const size_t startB = j;
            while (i < a.size() && isDigit(a[i])) ++i;
            while (j < b.size() && isDigit(b[j])) ++j;
            std::string_view runA = a.substr(startA, i - startA);
            std::string_view runB = b.substr(startB, j - startB);
            runA.remove_prefix(std::min(runA.find_first_not_of('0'), runA.size()));
            runB.remove_prefix(std::min(runB.find_first_not_of('0'), runB.size()));
            if (runA.size() != runB.size()) return runA.size() < runB.size();
            if (runA != runB) return runA < runB;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

}  // namespace

std::optional<int> comPortNumber(std::string_view name) {
    if (name.size() < 4) return std::nullopt;
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::nullopt;
    }
    int number = 0;
    const auto digits = name.substr(3);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 1) {
        return std::nullopt;
    }
    return number;
}

void sortAvailablePorts(std::vector<AvailablePort>& available) {
    std::sort(available.begin(), available.end(),
              [](const AvailablePort& a, const AvailablePort& b) {
                  if (a.usb != b.usb) return a.usb;
                  return naturalLess(a.name, b.name);
              });
}

ResolvedPort resolvePort(std::string_view name, std::string_view mappedDevice,
                         std::vector<AvailablePort> available, bool windows) {
    if (!mappedDevice.empty()) return {std::string(mappedDevice), PortSource::Settings};
    const auto number = comPortNumber(name);
    if (windows || !number) return {std::string(name), PortSource::Name};
    sortAvailablePorts(available);
    const auto index = static_cast<size_t>(*number - 1);
    if (index >= available.size()) return {};
    return {available[index].systemLocation, PortSource::SystemList};
}

}  // namespace quorprog
