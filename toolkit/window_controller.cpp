#include "toolkit/window_controller.h"

#include "toolkit/thread_request_codes.h"

namespace toolkit {

int WindowController::Run() {
  if (OpenStep() == 0) RunEventLoop();
  CloseStep();
  const uint8_t result = RESPONSE != 0 ? RESPONSE : kResponseCancelled;
  ThisThreadRequestCodes().response_code = result;
  return result;
}

int WindowController::OpenStep() {
  BeginOpen();
  return OpenWindow() ? 0 : 1;
}

int WindowController::CloseStep() {
  StandardClose();
  return 0;
}

void WindowController::BeginOpen() {
  ThreadRequestCodes& codes = ThisThreadRequestCodes();
  REQUEST = codes.request_code;
  codes.request_code = 0;
  codes.response_code = 0;
  navigation_request_ = &codes.navigation_request;
}

bool WindowController::OpenWindow() {
  if (!window_.Open()) return false;
  OPENED = 1;
  return true;
}

void WindowController::StandardClose() {
  window_.DiscardEvents();
  accepted_control_ = 0;
}

void WindowController::RunEventLoop() {
  // Without a window there is nothing that could ever end the loop.
  if (!window_.IsOpen()) return;
  running_ = true;
  DrainEvents();
  while (running_) {
    window_.PaintPending();
    window_.ProcessNextMessage();
    DrainEvents();
  }
}

void WindowController::DrainEvents() {
  // Everything the last native message raised, and everything those events raise in turn,
  // is handled before the next native message is taken.
  while (running_) {
    const auto event = window_.TakeEvent();
    if (!event) return;
    Handle(*event);
    window_.RefreshAll();
  }
}

void WindowController::Handle(const WindowEvent& event) {
  switch (event.kind) {
    case WindowEvent::Kind::Opened:
      window_.RefreshAll();
      window_.Select(FIRSTFIELD > 0 ? FIRSTFIELD : 1);
      break;
    case WindowEvent::Kind::Accepted:
      accepted_control_ = event.control;
      if (OnAccepted() != 0) running_ = false;
      accepted_control_ = 0;
      break;
    case WindowEvent::Kind::CloseRequest:
      running_ = false;
      break;
  }
}

}  // namespace toolkit
