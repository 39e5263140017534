#include "report_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <system_error>

#include "files/file_bytes.h"
#include "fleet/report_csv.h"
#include "json_writer.h"
#include "seams/iso_time.h"

namespace quorprog::cli {

namespace {

std::string jsonRecord(const DeviceResult& result) {
    JsonWriter json;
    json.beginObject()
        .value("time", isoTimeText(result.time))
        .value("round", result.round)
        .value("port", result.port)
        .value("programmer", result.programmer)
        .value("model", result.model)
        .value("result", result.ok ? "ok" : "failed");
    if (result.message.empty()) {
        json.null("message");
    } else {
        json.value("message", result.message);
    }
    json.value("changes", result.changes);
    if (result.backup.empty()) {
        json.null("backup");
    } else {
        json.value("backup", result.backup);
    }
    json.value("seconds", std::round(result.seconds * 100) / 100).endObject();
    return json.text();
}

std::string jsonReport(const std::vector<std::string>& records) {
    std::string text = "{\"devices\":[";
    for (size_t i = 0; i < records.size(); ++i) text += (i ? ",\n" : "\n") + records[i];
    return text + "\n]}\n";
}

bool writeReport(const std::filesystem::path& path, const std::string& text, std::string& error) {
    if (writeFileBytes(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
        return true;
    error = "cannot write the report " + path.string();
    return false;
}

}  // namespace

bool ReportFile::json() const {
    return path_.extension() == ".json";
}

bool ReportFile::open(std::string& error) {
    std::error_code code;
    if (!std::filesystem::exists(path_, code)) return true;
    const auto bytes = readFileBytes(path_);
    if (!bytes) {
        error = "cannot read the report " + path_.string();
        return false;
    }
    const std::string text(bytes->begin(), bytes->end());
    if (text.empty()) return true;
    const std::string notReport = path_.string() + " is not a report of this tool: not replaced";
    if (!json()) {
        if (!text.starts_with(std::string(kReportCsvHeader) + "\n") &&
            !text.starts_with(std::string(kReportCsvHeader) + "\r\n")) {
            error = notReport;
            return false;
        }
        csv_ = text;
        return true;
    }
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!document.isObject() || !document.object().value("devices").isArray()) {
        error = notReport;
        return false;
    }
    for (const QJsonValue& record : document.object().value("devices").toArray()) {
        if (!record.isObject()) {
            error = notReport;
            return false;
        }
        records_.push_back(QJsonDocument(record.toObject()).toJson(QJsonDocument::Compact).toStdString());
    }
    return true;
}

bool ReportFile::add(const std::vector<DeviceResult>& results, std::string& error) {
    if (!json()) {
        const std::string text = appendReportCsv(csv_, results);
        if (!writeReport(path_, text, error)) return false;
        csv_ = text;
        return true;
    }
    for (const DeviceResult& result : results) records_.push_back(jsonRecord(result));
    return writeReport(path_, jsonReport(records_), error);
}

}  // namespace quorprog::cli
