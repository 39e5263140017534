#include "commands.h"
#include "files/file_bytes.h"
#include "files/plan_csv.h"
#include "plan_source.h"
#include "report.h"

namespace quorprog::cli {

int runExportCsv(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string output = arguments.option("-o");
    const std::string path = arguments.operand("SOURCE");
    arguments.finish();
    if (output.empty()) throw UsageError("export-csv: -o FILE.csv missing");

    PlanSource source;
    if (const int status = readPlanSource(environment, path, source); status != kSuccess)
        return status;
    const std::string csv = planCsv(source.plan);
    if (!writeFileBytes(output,
                        std::span(reinterpret_cast<const uint8_t*>(csv.data()), csv.size())))
        return fail("cannot write " + output);
    return kSuccess;
}

}  // namespace quorprog::cli
