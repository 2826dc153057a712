#pragma once

// The hourglass of the whole program while a long command runs; restored on every way out of
// the command, also when it ends by an exception.
namespace ui {

class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    // Gives the normal pointer back before the command ends.
    void restore();

private:
    bool active_ = true;
};

} // namespace ui
