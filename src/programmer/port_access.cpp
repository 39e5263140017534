#include "programmer/port_access.h"

#include <algorithm>
#include <functional>

namespace quorprog {

PortAccess portAccessFromError(std::errc error) {
    switch (error) {
        case std::errc::permission_denied:
        case std::errc::operation_not_permitted:
            return PortAccess::PermissionDenied;
        case std::errc::device_or_resource_busy:
            return PortAccess::Busy;
        case std::errc::no_such_file_or_directory:
        case std::errc::no_such_device:
        case std::errc::no_such_device_or_address:
        case std::errc::not_a_directory:
            return PortAccess::Missing;
        default:
            return PortAccess::Failed;
    }
}

std::string_view portAccessName(PortAccess access) {
    switch (access) {
        case PortAccess::Opens:
            return "opens";
        case PortAccess::PermissionDenied:
            return "permission denied";
        case PortAccess::Busy:
            return "busy";
        case PortAccess::Missing:
            return "missing";
        case PortAccess::Failed:
            break;
    }
    return "error";
}

std::string_view portSourceName(PortSource source) {
    switch (source) {
        case PortSource::Settings:
            return "settings";
        case PortSource::SystemList:
            return "system";
        case PortSource::Name:
            return "name";
        case PortSource::None:
            break;
    }
    return "none";
}

namespace {

const ComPortCheck* firstWhere(const std::vector<ComPortCheck>& checks,
                               const std::function<bool(const ComPortCheck&)>& holds) {
    const auto found = std::find_if(checks.begin(), checks.end(), holds);
    return found == checks.end() ? nullptr : &*found;
}

const ComPortCheck* firstWith(const std::vector<ComPortCheck>& checks, PortAccess access) {
    return firstWhere(checks, [access](const ComPortCheck& c) { return c.access == access; });
}

}  // namespace

EmptyScanReason emptyScanReason(const std::vector<ComPortCheck>& checks) {
    if (const auto* denied = firstWith(checks, PortAccess::PermissionDenied)) {
        return {EmptyScanCause::PermissionDenied, denied};
    }
    if (const auto* busy = firstWith(checks, PortAccess::Busy)) return {EmptyScanCause::Busy, busy};
    const auto* nowhere = firstWhere(checks, [](const ComPortCheck& c) {
        return c.port.source == PortSource::Settings && c.access == PortAccess::Missing;
    });
    if (nowhere) return {EmptyScanCause::PortsEntryNowhere, nowhere};
    if (!firstWith(checks, PortAccess::Opens)) return {EmptyScanCause::NoSerialPort};
    return {EmptyScanCause::NoAnswer};
}

std::string emptyScanHint(const std::vector<ComPortCheck>& checks, const LocalTexts& texts) {
    const EmptyScanReason reason = emptyScanReason(checks);
    switch (reason.cause) {
        case EmptyScanCause::PermissionDenied:
            return texts.LocalTextWith(text::kPortPermissionDenied, reason.port->port.device);
        case EmptyScanCause::Busy:
            return texts.LocalTextWith(text::kPortBusy, reason.port->port.device);
        case EmptyScanCause::PortsEntryNowhere:
            return texts.LocalTextWith(text::kPortsEntryLeadsNowhere,
                                       reason.port->name + "=" + reason.port->port.device);
        case EmptyScanCause::NoSerialPort:
            return texts.LocalText(text::kNoSerialPort);
        case EmptyScanCause::NoAnswer:
            break;
    }
    return texts.LocalText(text::kNoProgrammerAnswered);
}

}  // namespace quorprog
