#include "common/clock.h"

namespace common {
namespace {
std::function<std::time_t()>& clockFunction() {
    static std::function<std::time_t()> clock;
    return clock;
}
} // namespace

std::time_t now() {
    const auto& clock = clockFunction();
    return clock ? clock() : std::time(nullptr);
}

void setClock(std::function<std::time_t()> clock) {
    clockFunction() = std::move(clock);
}

} // namespace common
