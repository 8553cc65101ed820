// The CLIPBOARD selection: plain text, UTF-8.
//
// Supports: owning CLIPBOARD with the text of a copy (ICCCM 2.1, timestamped by the event that
// caused it) and answering TARGETS, UTF8_STRING, TEXT (as UTF8_STRING), STRING (Latin-1, refused
// when the text does not fit), TIMESTAMP and the SAVE_TARGETS side-effect target; refusing
// requests older than the ownership; reading the clipboard for a paste (UTF8_STRING, then
// STRING; INCR transfers; a timeout for silent owners; our own text without a round trip while
// we own it); handing the text to a running clipboard manager before the window goes
// (freedesktop.org ClipboardManager, SAVE_TARGETS).
// Does not yet: PRIMARY, MULTIPLE, sending INCR (a text larger than one request is refused).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/x11/connection.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

class Clipboard {
 public:
  // Pastes larger than this are refused rather than held in memory.
  static constexpr std::size_t kMaxPasteBytes = 8 << 20;
  static constexpr int kReplyTimeoutMs = 1000;
  static constexpr int kHandOverTimeoutMs = 2000;

  explicit Clipboard(Connection& connection) : connection_(connection) {}

  // The window that owns the selection and receives transfers (None: no window).
  void AttachWindow(Window window);

  void SetText(std::string_view utf8);
  std::optional<std::string> GetText();

  // Answers SelectionRequest and notes SelectionClear; true when the event was one of them.
  bool HandleEvent(const XEvent& event);

  // Offers the owned text to a running clipboard manager and waits until it has taken it.
  void HandOver();

 private:
  void Answer(const XSelectionRequestEvent& request);
  bool WriteReply(const XSelectionRequestEvent& request, Atom property);
  std::optional<std::string> Convert(Atom target);
  std::optional<std::string> ReadIncremental();

  Connection& connection_;
  Window window_ = None;
  std::string text_;
  bool owned_ = false;
  Time owned_since_ = CurrentTime;
};

}  // namespace toolkit::x11
