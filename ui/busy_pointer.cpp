#include "ui/busy_pointer.h"

#include <QApplication>

namespace ui {

BusyPointer::BusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    restore();
}

void BusyPointer::restore() {
    if (active_)
        QApplication::restoreOverrideCursor();
    active_ = false;
}

} // namespace ui
