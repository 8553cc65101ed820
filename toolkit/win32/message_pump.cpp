#include "toolkit/win32/message_pump.h"

namespace toolkit::win32 {
namespace {

NativeMessage CloseRequest() {
  NativeMessage message;
  message.kind = MessageKind::CloseRequest;
  return message;
}

}  // namespace

MessagePump::MessagePump() {
  wake_event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // Without fibers (a thread that some other code already made a fiber) the loop runs on
  // the caller's stack; only the end of a session then answers before the close has run.
  caller_fiber_ = ConvertThreadToFiber(nullptr);
  if (caller_fiber_ != nullptr) loop_fiber_ = CreateFiber(0, RunLoopFiber, this);
}

MessagePump::~MessagePump() {
  // After the end of the session the loop's fiber holds the unanswered WM_ENDSESSION: it is
  // left to the end of the process rather than freed under the system's feet.
  if (loop_fiber_ != nullptr && !session_ended_) DeleteFiber(loop_fiber_);
  if (caller_fiber_ != nullptr && !session_ended_) ConvertFiberToThread();
  if (wake_event_ != nullptr) CloseHandle(wake_event_);
}

void MessagePump::Push(const NativeMessage& message) {
  if (message.kind == MessageKind::Expose) {
    for (const NativeMessage& queued : pending_) {
      if (queued.kind == MessageKind::Expose) return;  // every paint covers the whole window
    }
  }
  pending_.push_back(message);
}

void MessagePump::Wake() {
  if (wake_event_ != nullptr) SetEvent(wake_event_);
}

void MessagePump::EndSession() {
  session_ended_ = true;
  pending_.push_back(CloseRequest());
  if (!in_loop_fiber_) return;
  for (;;) SwitchToFiber(caller_fiber_);
}

std::optional<NativeMessage> MessagePump::Wait(int timeout_ms) {
  if (pending_.empty() && !session_ended_) {
    has_deadline_ = timeout_ms >= 0;
    deadline_ = GetTickCount64() + static_cast<ULONGLONG>(has_deadline_ ? timeout_ms : 0);
    if (loop_fiber_ != nullptr) {
      in_loop_fiber_ = true;
      SwitchToFiber(loop_fiber_);
      in_loop_fiber_ = false;
    } else {
      Pump();
    }
  }
  if (!pending_.empty()) {
    const NativeMessage message = pending_.front();
    pending_.pop_front();
    return message;
  }
  if (woken_ || session_ended_) {
    woken_ = false;
    return CloseRequest();
  }
  return std::nullopt;
}

void CALLBACK MessagePump::RunLoopFiber(void* pump) {
  auto* self = static_cast<MessagePump*>(pump);
  for (;;) {
    self->Pump();
    SwitchToFiber(self->caller_fiber_);
  }
}

void MessagePump::Pump() {
  for (;;) {
    if (!pending_.empty() || session_ended_) return;
    if (wake_event_ != nullptr && WaitForSingleObject(wake_event_, 0) == WAIT_OBJECT_0) {
      ResetEvent(wake_event_);
      woken_ = true;
      return;
    }
    MSG message;
    while (pending_.empty() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        woken_ = true;
        return;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (!pending_.empty() || session_ended_) return;
    DWORD wait_ms = INFINITE;
    if (has_deadline_) {
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline_) return;
      wait_ms = static_cast<DWORD>(deadline_ - now);
    }
    const DWORD handles = wake_event_ != nullptr ? 1 : 0;
    MsgWaitForMultipleObjectsEx(handles, &wake_event_, wait_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace toolkit::win32
