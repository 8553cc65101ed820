// The thread's Win32 message loop behind Backend::WaitMessage: the window procedure's
// translations wait in a queue here and are handed out one at a time.
//
// Supports: waiting for input, the wake-up event or a timeout together
// (MsgWaitForMultipleObjectsEx); a wake-up from any thread (SetEvent), which ends a wait with
// a close request; Expose messages merged while one is still queued; the end of the session.
// Windows may end the process as soon as WM_ENDSESSION has been answered, so the program's
// normal close (saving the placement, putting the user's settings back) must run before that
// answer. The loop therefore runs on a fiber of its own: on WM_ENDSESSION the waiting caller
// gets its close request at once, while the window procedure, and with it the answer, stays
// suspended until the process ends.
// Does not: more than one thread.
#pragma once

#include <deque>
#include <optional>

#include "toolkit/native_message.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

class MessagePump {
 public:
  MessagePump();
  ~MessagePump();
  MessagePump(const MessagePump&) = delete;
  MessagePump& operator=(const MessagePump&) = delete;

  void Push(const NativeMessage& message);
  // The next message; nothing when `timeout_ms` passed first (negative: no limit).
  std::optional<NativeMessage> Wait(int timeout_ms);
  // From any thread: the current or next Wait returns a close request.
  void Wake();
  // The session ends (WM_ENDSESSION): queues a close request; when called by the loop's own
  // dispatching, hands it to the waiting caller and never returns.
  void EndSession();

 private:
  static void CALLBACK RunLoopFiber(void* pump);
  void Pump();

  std::deque<NativeMessage> pending_;
  HANDLE wake_event_ = nullptr;
  bool woken_ = false;
  bool session_ended_ = false;
  ULONGLONG deadline_ = 0;
  bool has_deadline_ = false;
  void* caller_fiber_ = nullptr;
  void* loop_fiber_ = nullptr;
  // The loop's fiber runs: a window procedure called now is called by its dispatching.
  bool in_loop_fiber_ = false;
};

}  // namespace toolkit::win32
