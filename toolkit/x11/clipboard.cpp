#include "toolkit/x11/clipboard.h"

#include <algorithm>
#include <climits>

#include "platform/code_page.h"

namespace toolkit::x11 {
namespace {

struct PropertyValue {
  Atom type = None;
  int format = 0;
  std::string bytes;  // format 8 data; for format 32 the items as `long` values
  unsigned long items = 0;
};

// Reads and deletes a property of `window`; nothing when it is absent or larger than `limit`.
std::optional<PropertyValue> TakeProperty(Display* display, Window window, Atom property,
                                          std::size_t limit) {
  PropertyValue value;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  const long max_longs = static_cast<long>(limit / 4 + 1);
  if (XGetWindowProperty(display, window, property, 0, max_longs, True, AnyPropertyType,
                         &value.type, &value.format, &value.items, &after, &data) != Success) {
    return std::nullopt;
  }
  if (value.type == None || after != 0) {
    if (data != nullptr) XFree(data);
    if (after != 0) XDeleteProperty(display, window, property);
    return std::nullopt;
  }
  const std::size_t unit = value.format == 32 ? sizeof(long) : value.format / 8;
  value.bytes.assign(reinterpret_cast<const char*>(data), value.items * unit);
  XFree(data);
  return value;
}

std::string Utf8OfLatin1(std::string_view latin1) {
  std::string utf8;
  for (char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

// Latin-1 is Windows-1252 without the characters of 0x80..0x9F.
std::optional<std::string> Latin1OfUtf8(std::string_view utf8) {
  bool dropped = false;
  std::string latin1 = platform::FromUtf8(platform::CodePage::Windows1252, utf8, &dropped);
  const bool outside = std::any_of(latin1.begin(), latin1.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte <= 0x9F;
  });
  if (dropped || outside) return std::nullopt;
  return latin1;
}

}  // namespace

void Clipboard::AttachWindow(Window window) {
  window_ = window;
  owned_ = false;
  text_.clear();
}

void Clipboard::SetText(std::string_view utf8) {
  if (window_ == None || connection_.Lost()) return;
  text_.assign(utf8);
  owned_since_ = connection_.LastTime();
  XSetSelectionOwner(connection_.display(), connection_.atoms().clipboard, window_, owned_since_);
  owned_ = XGetSelectionOwner(connection_.display(), connection_.atoms().clipboard) == window_;
}

std::optional<std::string> Clipboard::GetText() {
  if (window_ == None || connection_.Lost()) return std::nullopt;
  // Our own text needs no transfer, which would wait on this very event loop.
  if (owned_) return text_;
  if (XGetSelectionOwner(connection_.display(), connection_.atoms().clipboard) == None) {
    return std::nullopt;
  }
  if (auto utf8 = Convert(connection_.atoms().utf8_string)) return utf8;
  if (auto latin1 = Convert(XA_STRING)) return Utf8OfLatin1(*latin1);
  return std::nullopt;
}

std::optional<std::string> Clipboard::Convert(Atom target) {
  Display* display = connection_.display();
  const Atoms& atoms = connection_.atoms();
  XDeleteProperty(display, window_, atoms.selection_property);
  XConvertSelection(display, atoms.clipboard, target, atoms.selection_property, window_,
                    connection_.LastTime());
  XEvent event;
  const Window window = window_;
  const Atom clipboard = atoms.clipboard;
  auto is_reply = [window, clipboard](const XEvent& e) {
    return e.type == SelectionNotify && e.xselection.requestor == window &&
           e.xselection.selection == clipboard;
  };
  if (!connection_.WaitForEvent(is_reply, kReplyTimeoutMs, &event)) return std::nullopt;
  if (event.xselection.property == None) return std::nullopt;

  // Notifications of the reply property written so far belong to this reply, not to the
  // chunks of an incremental transfer that may follow.
  const Atom property = atoms.selection_property;
  auto is_stale_notify = [window, property](const XEvent& e) {
    return e.type == PropertyNotify && e.xproperty.window == window && e.xproperty.atom == property;
  };
  while (XCheckIfEvent(
      display, &event,
      [](Display*, XEvent* e, XPointer arg) -> Bool {
        return (*reinterpret_cast<decltype(is_stale_notify)*>(arg))(*e);
      },
      reinterpret_cast<XPointer>(&is_stale_notify))) {
  }

  const auto value = TakeProperty(display, window_, property, kMaxPasteBytes);
  if (!value) return std::nullopt;
  if (value->type == atoms.incr) return ReadIncremental();
  if (value->format != 8 || value->type != target) return std::nullopt;
  return value->bytes;
}

// ICCCM 2.7.2: deleting the INCR property asks for the first chunk; every chunk arrives as a
// new value of the property, which deleting asks for the next; an empty chunk ends it.
std::optional<std::string> Clipboard::ReadIncremental() {
  Display* display = connection_.display();
  const Window window = window_;
  const Atom property = connection_.atoms().selection_property;
  auto is_chunk = [window, property](const XEvent& e) {
    return e.type == PropertyNotify && e.xproperty.window == window &&
           e.xproperty.atom == property && e.xproperty.state == PropertyNewValue;
  };
  std::string text;
  for (;;) {
    XEvent event;
    if (!connection_.WaitForEvent(is_chunk, kReplyTimeoutMs, &event)) return std::nullopt;
    const auto chunk = TakeProperty(display, window, property, kMaxPasteBytes - text.size());
    if (!chunk || chunk->format != 8) return std::nullopt;
    if (chunk->bytes.empty()) return text;
    text += chunk->bytes;
  }
}

bool Clipboard::HandleEvent(const XEvent& event) {
  if (event.type == SelectionClear) {
    if (event.xselectionclear.window == window_ &&
        event.xselectionclear.selection == connection_.atoms().clipboard) {
      owned_ = false;
      text_.clear();
    }
    return true;
  }
  if (event.type == SelectionRequest) {
    Answer(event.xselectionrequest);
    return true;
  }
  return false;
}

void Clipboard::Answer(const XSelectionRequestEvent& request) {
  // ICCCM 2.2: an obsolete requestor names no property and means the target's name.
  const Atom property = request.property == None ? request.target : request.property;
  const bool current =
      request.time == CurrentTime || owned_since_ == CurrentTime || request.time >= owned_since_;
  const bool granted = owned_ && request.owner == window_ &&
                       request.selection == connection_.atoms().clipboard && current;

  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = request.display;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.time = request.time;
  // The requestor may be gone by now; its errors are expected, not news.
  Connection::ErrorTrap trap(connection_);
  reply.xselection.property = granted && WriteReply(request, property) ? property : None;
  XSendEvent(connection_.display(), request.requestor, False, NoEventMask, &reply);
  trap.Failed();
}

bool Clipboard::WriteReply(const XSelectionRequestEvent& request, Atom property) {
  Display* display = connection_.display();
  const Atoms& atoms = connection_.atoms();
  const Window requestor = request.requestor;
  const Atom target = request.target;

  if (target == atoms.targets) {
    const long targets[] = {
        static_cast<long>(atoms.targets),   static_cast<long>(atoms.utf8_string),
        static_cast<long>(atoms.text),      static_cast<long>(XA_STRING),
        static_cast<long>(atoms.timestamp), static_cast<long>(atoms.save_targets)};
    XChangeProperty(display, requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(targets), std::size(targets));
    return true;
  }
  if (target == atoms.timestamp) {
    const long time = static_cast<long>(owned_since_);
    XChangeProperty(display, requestor, property, XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&time), 1);
    return true;
  }
  if (target == atoms.save_targets) {
    // A side-effect target (ICCCM 2.6.3): an empty NULL property says it was done.
    XChangeProperty(display, requestor, property, atoms.null_atom, 32, PropModeReplace, nullptr, 0);
    return true;
  }

  std::optional<std::string> bytes;
  Atom type = None;
  if (target == atoms.utf8_string || target == atoms.text) {
    bytes = text_;
    type = atoms.utf8_string;
  } else if (target == XA_STRING) {
    bytes = Latin1OfUtf8(text_);
    type = XA_STRING;
  }
  if (!bytes) return false;
  // One property write must fit in one request (the header takes 24 bytes).
  long max_request = XExtendedMaxRequestSize(display);
  if (max_request == 0) max_request = XMaxRequestSize(display);
  if (bytes->size() + 24 > static_cast<std::size_t>(max_request) * 4 || bytes->size() > INT_MAX) {
    return false;
  }
  XChangeProperty(display, requestor, property, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(bytes->data()),
                  static_cast<int>(bytes->size()));
  return true;
}

void Clipboard::HandOver() {
  if (!owned_ || window_ == None || connection_.Lost()) return;
  Display* display = connection_.display();
  const Atoms& atoms = connection_.atoms();
  if (XGetSelectionOwner(display, atoms.clipboard_manager) == None) return;

  // The manager converts CLIPBOARD to the targets listed in the named property.
  const long wanted[] = {static_cast<long>(atoms.utf8_string)};
  XChangeProperty(display, window_, atoms.selection_property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(wanted), std::size(wanted));
  XConvertSelection(display, atoms.clipboard_manager, atoms.save_targets, atoms.selection_property,
                    window_, connection_.LastTime());
  const Window window = window_;
  const Atom manager = atoms.clipboard_manager;
  auto is_transfer = [window, manager](const XEvent& e) {
    return (e.type == SelectionRequest && e.xselectionrequest.owner == window) ||
           (e.type == SelectionClear && e.xselectionclear.window == window) ||
           (e.type == SelectionNotify && e.xselection.requestor == window &&
            e.xselection.selection == manager);
  };
  XEvent event;
  while (connection_.WaitForEvent(is_transfer, kHandOverTimeoutMs, &event)) {
    if (event.type == SelectionNotify) return;
    HandleEvent(event);
  }
}

}  // namespace toolkit::x11
