#include <QSerialPortInfo>
#include <cstdio>

#include "commands.h"
#include "printable_text.h"
#include "json_writer.h"
#include "ui/serial/port_probe.h"

namespace quorprog::cli {

namespace {

// The system's serial ports in the order COMn counts them.
std::vector<QSerialPortInfo> systemPorts() {
    const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
    std::vector<AvailablePort> order;
    for (const QSerialPortInfo& info : listed) {
        order.push_back({info.portName().toStdString(), info.systemLocation().toStdString(),
                         info.hasVendorIdentifier()});
    }
    sortAvailablePorts(order);
    std::vector<QSerialPortInfo> sorted;
    for (const AvailablePort& port : order) {
        for (const QSerialPortInfo& info : listed) {
            if (info.systemLocation().toStdString() == port.systemLocation) sorted.push_back(info);
        }
    }
    return sorted;
}

std::string usbId(quint16 id) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(id));
    return text;
}

std::string howFound(const ComPortCheck& check, size_t systemPortCount) {
    switch (check.port.source) {
        case PortSource::Settings:
            return "[PORTS] entry";
        case PortSource::SystemList:
            return "system port " + check.name.substr(3);
        case PortSource::Name:
            return "the name itself";
        case PortSource::None:
            break;
    }
    return "the system lists " + std::to_string(systemPortCount) + " serial port" +
           (systemPortCount == 1 ? "" : "s");
}

std::string portsText(const std::vector<ComPortCheck>& checks,
                      const std::vector<QSerialPortInfo>& ports) {
    std::string out;
    for (const ComPortCheck& check : checks) {
        out += check.name + " -> " + (check.port.device.empty() ? "no device" : check.port.device) +
               " (" + howFound(check, ports.size()) +
               "): " + std::string(portAccessName(check.access)) + "\n";
    }
    out += "\nSerial ports of the system (in the order COMn counts them): " +
           std::to_string(ports.size()) + "\n";
    for (const QSerialPortInfo& info : ports) {
        out += "  " + info.systemLocation().toStdString();
        if (!info.description().isEmpty()) out += "  \"" + info.description().toStdString() + "\"";
        if (!info.manufacturer().isEmpty()) out += "  maker " + info.manufacturer().toStdString();
        if (info.hasVendorIdentifier()) {
            out += "  USB " + usbId(info.vendorIdentifier()) + ":" +
                   (info.hasProductIdentifier() ? usbId(info.productIdentifier()) : "????");
        }
        out += "\n";
    }
    return out;
}

std::string portsJson(const std::vector<ComPortCheck>& checks,
                      const std::vector<QSerialPortInfo>& ports) {
    JsonWriter json;
    json.beginObject().beginArray("comPorts");
    for (const ComPortCheck& check : checks) {
        json.beginObject()
            .value("name", check.name)
            .value("device", check.port.device)
            .value("source", portSourceName(check.port.source))
            .value("access", portAccessName(check.access))
            .endObject();
    }
    json.endArray().beginArray("systemPorts");
    for (const QSerialPortInfo& info : ports) {
        json.beginObject()
            .value("device", info.systemLocation().toStdString())
            .value("name", info.portName().toStdString())
            .value("description", info.description().toStdString())
            .value("manufacturer", info.manufacturer().toStdString())
            .value("serialNumber", info.serialNumber().toStdString());
        if (info.hasVendorIdentifier()) {
            json.value("vendorId", usbId(info.vendorIdentifier()));
        } else {
            json.null("vendorId");
        }
        if (info.hasProductIdentifier()) {
            json.value("productId", usbId(info.productIdentifier()));
        } else {
            json.null("productId");
        }
        json.endObject();
    }
    return json.endArray().endObject().text() + "\n";
}

}  // namespace

int runPorts(CliEnvironment& environment, CommandArguments& arguments) {
    arguments.finish();
    const std::vector<ComPortCheck> checks = checkComPorts(environment.settingsFile());
    const std::vector<QSerialPortInfo> ports = systemPorts();
    printOut(environment.options().json ? portsJson(checks, ports) : portsText(checks, ports));
    return kSuccess;
}

}  // namespace quorprog::cli
