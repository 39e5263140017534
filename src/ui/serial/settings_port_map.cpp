#include "ui/serial/settings_port_map.h"

#include <QSerialPortInfo>
#include <QStandardPaths>

#include "description/description_reader.h"

namespace quorprog {

namespace {

std::vector<AvailablePort> availablePorts() {
    std::vector<AvailablePort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.push_back({info.portName().toStdString(), info.systemLocation().toStdString(),
                         info.hasVendorIdentifier()});
    }
    return ports;
}

constexpr bool kWindows =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

}  // namespace

std::filesystem::path defaultSettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return std::filesystem::path(folder.toStdString()) / "quorprog.ini";
}

std::filesystem::path defaultBackupFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return std::filesystem::path(folder.toStdString()) / "backups";
}

std::string deviceForPort(const std::string& name, const std::filesystem::path& settingsFile) {
    return resolveComPort(name, settingsFile).device;
}

ResolvedPort resolveComPort(const std::string& name, const std::filesystem::path& settingsFile) {
    // Read at every open, so a mapping edited while the program runs counts at the next scan.
    const std::string mapped = DescriptionReader::fromFile(settingsFile).readText("PORTS", name);
    // The system's port list is asked only when the settings name no device.
    return resolvePort(name, mapped,
                       mapped.empty() ? availablePorts() : std::vector<AvailablePort>{}, kWindows);
}

}  // namespace quorprog
