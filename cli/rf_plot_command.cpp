#include <QByteArray>
#include <charconv>

#include "commands.h"
#include "coordination/compatibility_check.h"
#include "coordination/rf_plot_model.h"
#include "coordination_options.h"
#include "files/file_bytes.h"
#include "language_option.h"
#include "plan_source.h"
#include "printable_text.h"
#include "report.h"
#include "ui/coordination/rf_plot_file.h"

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

// Every point of the --scan files, for the trace; the options have checked that they read.
std::vector<ScanPoint> scanPoints(const CoordinationOptions& options) {
    std::vector<ScanPoint> points;
    for (const std::string& path : options.scanFiles) {
        const auto bytes = readFileBytes(path, kMaxScanBytes);
        if (!bytes) continue;
        const RfScan scan =
            readRfScan({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
        points.insert(points.end(), scan.points.begin(), scan.points.end());
    }
    return points;
}

}  // namespace

int runSpectrum(CliEnvironment& environment, CommandArguments& arguments) {
    const size_t group = static_cast<size_t>(groupOption(arguments, 0));
    CoordinationOptions options = coordinationOptions(arguments);
    const std::string output = arguments.option("-o");
    const QSize size = pictureSize(arguments.option("--size"));
    const std::optional<int> language = languageOption(arguments.option("--language"));
    const std::string path = arguments.operand("SOURCE");
    arguments.finish();
    const std::optional<SpectrumFormat> format = spectrumFormatOf(output);
    if (!format) throw UsageError("spectrum needs -o FILE.svg, FILE.png or FILE.pdf");
    if (language) environment.setLanguage(*language);
    if (const int status = readScanFiles(options); status != kSuccess) return status;

    PlanSource source;
    if (const int status = readPlanSource(environment, path, source); status != kSuccess)
        return status;
    if (group >= source.plan.groups.size()) {
        return fail(terminalText(path) + " has no group " + std::to_string(group) + " (it has " +
                    std::to_string(source.plan.groups.size()) + ")");
    }
    const std::vector<float>& frequencies = source.plan.groups[group].frequencies;
    if (const int status = refuseOversizedGroup(path, group, frequencies.size());
        status != kSuccess)
        return status;
    std::vector<Hertz> channels;
    for (const float f : frequencies) channels.push_back(channelHertz(f));
    CoordinationRules& rules = options.rules;
    rules.image = source.images[group];
    // As check has them: a channel outside the --only-tv channels is in an excluded range.
    const std::vector<ExcludedRange> outside = outsideTvChannels(options.onlyTv);
    rules.excluded.insert(rules.excluded.end(), outside.begin(), outside.end());
    const std::vector<Conflict> conflicts = conflictsToShow(channels, rules);
    std::optional<double> threshold;
    if (!options.scanFiles.empty()) threshold = options.thresholdDbm;
    const std::optional<SpectrumModel> model = SpectrumModel::build(
        {channels, rules, conflicts, options.onlyTv, scanPoints(options), threshold});
    if (!model) {
        return fail("a spectrum shows at most " + std::to_string(SpectrumModel::kMaxSources) +
                    " transmitters");
    }

    const QByteArray bytes = spectrumFileBytes(*model, environment.texts(), *format, size);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    if (bytes.isEmpty() ||
        !writeFileBytes(output, std::span<const uint8_t>(data, static_cast<size_t>(bytes.size()))))
        return fail("cannot write " + terminalText(output));
    return kSuccess;
}

}  // namespace quorprog::cli
