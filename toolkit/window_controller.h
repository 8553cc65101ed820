// The standard controller of one window: opens it, takes its events one at a time in the
// order they were queued, and closes it. A program's window replaces OpenStep, OnAccepted
// and CloseStep; the standard parts stay available to the replacements.
#pragma once

#include <cstdint>

#include "toolkit/window.h"

namespace toolkit {

// The run's result when no control set RESPONSE.
inline constexpr uint8_t kResponseCancelled = 2;

class WindowController {
 public:
  explicit WindowController(Window& window) : window_(window) {}
  virtual ~WindowController() = default;
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  // OpenStep; when it gives 0, the event loop until the window has been closed; CloseStep.
  // The result, RESPONSE or kResponseCancelled when that is 0, is also stored in the
  // thread's response code.
  int Run();

  uint8_t REQUEST = 0;     // the thread's request code when the window opened
  int32_t FIRSTFIELD = 0;  // the control selected when the window opens; 0: the first
  uint8_t OPENED = 0;      // set once the window has been opened
  uint8_t RESPONSE = 0;    // the window's result

  // The control the accepted event being handled is for; 0 outside OnAccepted.
  int AcceptedControl() const { return accepted_control_; }
  void PostAccepted(int control_number) { window_.PostAccepted(control_number); }
  void PostCloseRequest() { window_.PostCloseRequest(); }
  void Select(int control_number) { window_.Select(control_number); }
  Window& GetWindow() { return window_; }
  // The thread's navigation request, held from BeginOpen on; nullptr before.
  int32_t* NavigationRequest() const { return navigation_request_; }

 protected:
  // Each gives a level: 0 goes on. A nonzero level from OpenStep skips the event loop; one
  // from OnAccepted ends it.
  virtual int OpenStep();
  virtual int OnAccepted() { return StandardAccepted(); }
  virtual int CloseStep();

  // REQUEST takes the thread's request code; the thread's request and response codes are
  // cleared; the navigation request is held by reference.
  void BeginOpen();
  // Opens the window; OPENED := 1 when it opened.
  bool OpenWindow();
  // The standard handling of an accepted event: no control of the standard controller has
  // an action of its own, so it gives 0.
  int StandardAccepted() { return 0; }
  // The standard close: the events still queued will never be handled and are dropped.
  void StandardClose();

 private:
  void RunEventLoop();
  void DrainEvents();
  void Handle(const WindowEvent& event);

  Window& window_;
  int accepted_control_ = 0;
  bool running_ = false;
  int32_t* navigation_request_ = nullptr;
};

}  // namespace toolkit
