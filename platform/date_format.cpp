#include "platform/date_format.h"

namespace platform {
namespace {

std::string formatLocal(std::time_t when, const char* format) {
    std::tm local{};
    if (!localtime_r(&when, &local))
        return {};
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

} // namespace

std::string shortDate(std::time_t when) {
    return formatLocal(when, "%Y-%m-%d");
}

std::string longTime(std::time_t when) {
    return formatLocal(when, "%H:%M:%S");
}

} // namespace platform
