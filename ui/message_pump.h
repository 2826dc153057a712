#pragma once

#include <functional>

// "Process all pending window messages": long walks call it after every file so the window
// repaints and the stop command can be clicked. With nothing pending it costs a few
// microseconds.
namespace ui {

void pumpMessages();
// A hook run at every pump after the pending messages; tests use it to act in the middle of a
// walk (press stop after the n-th file). An empty function removes it.
void setPumpHook(std::function<void()> hook);

} // namespace ui
