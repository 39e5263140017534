#include "programmer/port_access.h"

#include <algorithm>

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

std::string emptyScanHint(const std::vector<ComPortCheck>& checks, const LocalTexts& texts) {
    const auto first = [&checks](PortAccess access) {
        return std::find_if(checks.begin(), checks.end(),
                            [access](const ComPortCheck& c) { return c.access == access; });
    };
    if (const auto denied = first(PortAccess::PermissionDenied); denied != checks.end()) {
        return texts.LocalTextWith(text::kPortPermissionDenied, denied->port.device);
    }
    if (const auto busy = first(PortAccess::Busy); busy != checks.end()) {
        return texts.LocalTextWith(text::kPortBusy, busy->port.device);
    }
    if (first(PortAccess::Opens) == checks.end()) return texts.LocalText(text::kNoSerialPort);
    return texts.LocalText(text::kNoProgrammerAnswered);
}

}  // namespace quorprog
