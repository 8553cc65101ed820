// Requests to end the program on Windows: the console control events (Ctrl+C, Ctrl+Break, the
// console window closed, log-off, shut-down), delivered when the program has a console. A GUI
// program without one learns of the end of the session from WM_ENDSESSION in its window.
#include "platform/termination_request.h"

#include <windows.h>

#include <atomic>

namespace platform {
namespace {

std::atomic<void (*)()> g_handler{nullptr};

// Runs on a thread of its own that the system starts for the event.
BOOL WINAPI OnControlEvent(DWORD event) {
  void (*handler)() = g_handler.load();
  if (handler == nullptr) return FALSE;
  handler();
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return TRUE;
  // For the other events the system ends the process as soon as this returns: wait here, so
  // that the program closes its window and saves what it keeps. The process's own exit ends
  // this thread, and the system ends it after its time-out in any case.
  Sleep(INFINITE);
  return TRUE;
}

}  // namespace

void SetTerminationHandler(void (*handler)()) {
  const bool had_handler = g_handler.exchange(handler) != nullptr;
  if (handler != nullptr && !had_handler) SetConsoleCtrlHandler(OnControlEvent, TRUE);
  if (handler == nullptr && had_handler) SetConsoleCtrlHandler(OnControlEvent, FALSE);
}

}  // namespace platform
