#include "ui/message_pump.h"

#include <QCoreApplication>

namespace ui {
namespace {
std::function<void()>& pumpHook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

void pumpMessages() {
    QCoreApplication::processEvents();
    if (auto& hook = pumpHook())
        hook();
}

void setPumpHook(std::function<void()> hook) {
    pumpHook() = std::move(hook);
}

} // namespace ui
