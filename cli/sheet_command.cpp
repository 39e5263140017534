#include <QFile>
#include <optional>

#include "commands.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"
#include "files/file_bytes.h"
#include "files/plan_csv.h"
#include "language_option.h"
#include "ui/files/frequency_sheet.h"
#include "plan_files.h"
#include "plan_source.h"
#include "report.h"
#include "text/language_list.h"

namespace quorprog::cli {

namespace {

int printSheet(const ChannelTable& table, CliEnvironment& environment, const std::string& title,
               const std::string& output) {
    FrequencySheet sheet(table, environment.texts(), frequencySheetDate(environment.clock()),
                         frequencySheetLogo());
    sheet.setTitle(QString::fromStdString(title));
    if (!sheet.printToPdf(QFile::decodeName(output.c_str()))) return fail("cannot write " + output);
    return kSuccess;
}

}  // namespace

int runSheet(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string output = arguments.option("-o");
    const std::string title = arguments.option("--title");
    const std::optional<int> language = languageOption(arguments.option("--language"));
    const std::string source = arguments.operand("SOURCE");
    arguments.finish();
    if (output.empty()) throw UsageError("sheet needs -o FILE.pdf");
    if (language) environment.setLanguage(*language);

    const auto bytes = readFileBytes(source);
    if (!bytes) return fail("cannot read " + source);
    ChannelFileParse parsed = parseChannelFile(*bytes);
    if (parsed.error == ChannelFileError::Truncated) return failTruncatedChannelFile(source);
    if (!parsed.ok() && isPlanCsv(source, *bytes)) {
        if (const int status = readPlanCsv(source, *bytes, parsed.file); status != kSuccess)
            return status;
        parsed.error = ChannelFileError::None;
    }
    if (parsed.ok()) {
        const auto table =
            tableFromChannelFile(parsed.file, environment.description(), environment.prompter());
        if (!table) return fail(source + " holds more groups or channels than a device may");
        return printSheet(*table, environment, title, output);
    }
    // Not a channel file: a raw image of a device.
    DeviceSession session(environment.description(), environment.sessionServices());
    const int status = loadImageFile(source, session);
    if (status != kSuccess) return status;
    return printSheet(session.table(), environment, title, output);
}

}  // namespace quorprog::cli
