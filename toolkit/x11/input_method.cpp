#include "toolkit/x11/input_method.h"

#include <clocale>
#include <cstring>
#include <vector>

#include "toolkit/x11/input_rules.h"

namespace toolkit::x11 {
namespace {

// The input method hands out text in the locale's encoding; the backend wants UTF-8 whatever
// the user's locale says, so the character type follows a UTF-8 locale. Only LC_CTYPE
// changes: the program's own texts never depend on the C library's locale.
void UseUtf8CharacterType() {
  const char* current = std::setlocale(LC_CTYPE, "");
  auto is_utf8 = [](const char* name) {
    return name != nullptr &&
           (std::strstr(name, "UTF-8") != nullptr || std::strstr(name, "utf8") != nullptr ||
            std::strstr(name, "UTF8") != nullptr || std::strstr(name, "utf-8") != nullptr);
  };
  if (!is_utf8(current)) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

InputMethod::InputMethod(Connection& connection) : connection_(connection) {
  UseUtf8CharacterType();
  if (XSupportsLocale()) {
    XSetLocaleModifiers("");
    Open();
  }
}

InputMethod::~InputMethod() {
  if (waiting_for_server_) {
    XUnregisterIMInstantiateCallback(connection_.display(), nullptr, nullptr, nullptr,
                                     OnInstantiate, reinterpret_cast<XPointer>(this));
  }
  if (ic_ != nullptr) XDestroyIC(ic_);
  if (im_ != nullptr) XCloseIM(im_);
}

void InputMethod::Open() {
  im_ = XOpenIM(connection_.display(), nullptr, nullptr, nullptr);
  if (im_ == nullptr) {
    // No server now: be told when one starts.
    waiting_for_server_ =
        XRegisterIMInstantiateCallback(connection_.display(), nullptr, nullptr, nullptr,
                                       OnInstantiate, reinterpret_cast<XPointer>(this));
    return;
  }
  XIMCallback destroy = {reinterpret_cast<XPointer>(this), reinterpret_cast<XIMProc>(OnDestroy)};
  XSetIMValues(im_, XNDestroyCallback, &destroy, nullptr);
  CreateContext();
}

void InputMethod::CreateContext() {
  if (im_ == nullptr || window_ == None) return;
  ic_ = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, window_,
                  XNFocusWindow, window_, nullptr);
  long filter_mask = 0;
  if (ic_ != nullptr) {
    XGetICValues(ic_, XNFilterEvents, &filter_mask, nullptr);
    if (focused_) XSetICFocus(ic_);
  }
  XSelectInput(connection_.display(), window_, base_event_mask_ | filter_mask);
}

void InputMethod::AttachWindow(Window window, long base_event_mask) {
  if (ic_ != nullptr) XDestroyIC(ic_);
  ic_ = nullptr;
  window_ = window;
  base_event_mask_ = base_event_mask;
  focused_ = false;
  CreateContext();
}

void InputMethod::SetFocus(bool focused) {
  focused_ = focused;
  if (ic_ == nullptr) return;
  if (focused)
    XSetICFocus(ic_);
  else
    XUnsetICFocus(ic_);
}

bool InputMethod::Filter(XEvent& event) {
  return XFilterEvent(&event, None) == True;
}

std::string InputMethod::LookupPress(XKeyEvent& event, KeySym* keysym) {
  *keysym = NoSymbol;
  if (ic_ == nullptr) {
    char bytes[32];
    const int length = XLookupString(&event, bytes, sizeof bytes, keysym, nullptr);
    return TextWithoutInputMethod(*keysym,
                                  std::string_view(bytes, static_cast<std::size_t>(length)));
  }
  std::vector<char> buffer(64);
  Status status = 0;
  int length = Xutf8LookupString(ic_, &event, buffer.data(), static_cast<int>(buffer.size()),
                                 keysym, &status);
  if (status == XBufferOverflow) {
    buffer.resize(static_cast<std::size_t>(length) + 1);
    length = Xutf8LookupString(ic_, &event, buffer.data(), static_cast<int>(buffer.size()), keysym,
                               &status);
  }
  if (status != XLookupKeySym && status != XLookupBoth) *keysym = NoSymbol;
  if (status != XLookupChars && status != XLookupBoth) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// The server went away; the input context died with it. Keys now go through XLookupString
// until a server registers again.
void InputMethod::OnDestroy(XIM, XPointer self, XPointer) {
  auto* method = reinterpret_cast<InputMethod*>(self);
  method->im_ = nullptr;
  method->ic_ = nullptr;
  method->DropServer();
}

void InputMethod::DropServer() {
  if (window_ != None) XSelectInput(connection_.display(), window_, base_event_mask_);
  waiting_for_server_ =
      XRegisterIMInstantiateCallback(connection_.display(), nullptr, nullptr, nullptr,
                                     OnInstantiate, reinterpret_cast<XPointer>(this));
}

void InputMethod::OnInstantiate(Display* display, XPointer self, XPointer) {
  auto* method = reinterpret_cast<InputMethod*>(self);
  if (method->im_ != nullptr) return;
  XUnregisterIMInstantiateCallback(display, nullptr, nullptr, nullptr, OnInstantiate, self);
  method->waiting_for_server_ = false;
  method->Open();
}

}  // namespace toolkit::x11
