#include <QByteArray>
#include <charconv>

#include "commands.h"
#include "coordination/compatibility_check.h"
#include "coordination/spectrum_model.h"
#include "coordination_options.h"
#include "files/file_bytes.h"
#include "language_option.h"
#include "plan_source.h"
#include "report.h"
#include "ui/coordination/spectrum_file.h"

namespace quorprog::cli {

using namespace coordination;

namespace {

constexpr int kSmallestSide = 200;
constexpr int kLargestSide = 8000;

// --size WIDTHxHEIGHT in pixels (points in a PDF).
QSize pictureSize(const std::string& text) {
    if (text.empty()) return {1200, 480};
    const size_t x = text.find('x');
    int width = 0;
    int height = 0;
    const char* end = text.data() + text.size();
    const bool read = x != std::string::npos &&
                      std::from_chars(text.data(), text.data() + x, width).ptr == text.data() + x &&
                      std::from_chars(text.data() + x + 1, end, height).ptr == end && x > 0 &&
                      x + 1 < text.size();
    if (!read || width < kSmallestSide || height < kSmallestSide || width > kLargestSide ||
        height > kLargestSide) {
        throw UsageError("--size wants WIDTHxHEIGHT, each from " + std::to_string(kSmallestSide) +
                         " to " + std::to_string(kLargestSide) + ", not \"" + text + "\"");
    }
    return {width, height};
}

}  // namespace

int runSpectrum(CliEnvironment& environment, CommandArguments& arguments) {
    const size_t group = static_cast<size_t>(groupOption(arguments, 0));
    const CoordinationRules rules = coordinationRules(arguments);
    const std::string output = arguments.option("-o");
    const QSize size = pictureSize(arguments.option("--size"));
    const std::optional<int> language = languageOption(arguments.option("--language"));
    const std::string path = arguments.operand("SOURCE");
    arguments.finish();
    const std::optional<SpectrumFormat> format = spectrumFormatOf(output);
    if (!format) throw UsageError("spectrum needs -o FILE.svg, FILE.png or FILE.pdf");
    if (language) environment.setLanguage(*language);

    PlanSource source;
    if (const int status = readPlanSource(environment, path, source); status != kSuccess)
        return status;
    if (group >= source.plan.groups.size()) {
        return fail(path + " has no group " + std::to_string(group) + " (it has " +
                    std::to_string(source.plan.groups.size()) + ")");
    }
    std::vector<Hertz> channels;
    for (const float f : source.plan.groups[group].frequencies) channels.push_back(channelHertz(f));
    if (channels.size() + rules.onSite.size() > SpectrumModel::kMaxSources) {
        return fail("a spectrum shows at most " + std::to_string(SpectrumModel::kMaxSources) +
                    " transmitters");
    }
    CoordinationRules groupRules = rules;
    groupRules.image = source.images[group];
    const std::vector<Conflict> conflicts = findConflicts(channels, groupRules);
    const std::optional<SpectrumModel> model =
        SpectrumModel::build({channels, groupRules, conflicts, {}, {}, std::nullopt});
    if (!model) return fail("too many transmitters for a spectrum");

    const QByteArray bytes = spectrumFileBytes(*model, environment.texts(), *format, size);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    if (bytes.isEmpty() ||
        !writeFileBytes(output, std::span<const uint8_t>(data, static_cast<size_t>(bytes.size()))))
        return fail("cannot write " + output);
    return kSuccess;
}

}  // namespace quorprog::cli
