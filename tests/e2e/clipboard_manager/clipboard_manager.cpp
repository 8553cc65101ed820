// A minimal clipboard manager for the end-to-end harness (a bare Xvfb has none): it owns
// CLIPBOARD_MANAGER and, asked to convert SAVE_TARGETS, copies the CLIPBOARD text as UTF-8,
// takes CLIPBOARD over and serves that text, and only then tells the asking owner it is done.
// Prints "ready" once it owns the manager selection and "saved <text>" after each hand-over.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <string>

namespace {

Display* display;
Window window;
Atom manager, clipboard, save_targets, targets, utf8_string, property, null_atom;

void Reply(const XSelectionRequestEvent& request, Atom reply_property) {
  XEvent notify{};
  notify.xselection.type = SelectionNotify;
  notify.xselection.requestor = request.requestor;
  notify.xselection.selection = request.selection;
  notify.xselection.target = request.target;
  notify.xselection.property = reply_property;
  notify.xselection.time = request.time;
  XSendEvent(display, request.requestor, False, NoEventMask, &notify);
  XFlush(display);
}

bool Fetch(Time time, std::string* text) {
  XConvertSelection(display, clipboard, utf8_string, property, window, time);
  XEvent event;
  do {
    XNextEvent(display, &event);
  } while (event.type != SelectionNotify);
  if (event.xselection.property == None) return false;
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  XGetWindowProperty(display, window, property, 0, 1 << 20, True, AnyPropertyType, &type, &format,
                     &items, &after, &data);
  if (data == nullptr) return false;
  text->assign(reinterpret_cast<char*>(data), items);
  XFree(data);
  return type == utf8_string;
}

}  // namespace

int main() {
  display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
  clipboard = XInternAtom(display, "CLIPBOARD", False);
  save_targets = XInternAtom(display, "SAVE_TARGETS", False);
  targets = XInternAtom(display, "TARGETS", False);
  utf8_string = XInternAtom(display, "UTF8_STRING", False);
  property = XInternAtom(display, "SAVED_CLIPBOARD", False);
  null_atom = XInternAtom(display, "NULL", False);
  XSetSelectionOwner(display, manager, window, CurrentTime);
  if (XGetSelectionOwner(display, manager) != window) return 1;
  std::printf("ready\n");
  std::fflush(stdout);

  std::string saved;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != SelectionRequest) continue;
    const XSelectionRequestEvent& request = event.xselectionrequest;
    if (request.selection == manager && request.target == save_targets) {
      const bool ok = Fetch(request.time, &saved);
      if (ok) {
        XSetSelectionOwner(display, clipboard, window, CurrentTime);
        std::printf("saved %s\n", saved.c_str());
        std::fflush(stdout);
      }
      XChangeProperty(display, request.requestor, request.property, null_atom, 32, PropModeReplace,
                      nullptr, 0);
      Reply(request, ok ? request.property : None);
    } else if (request.selection == clipboard && request.target == utf8_string) {
      XChangeProperty(display, request.requestor, request.property, utf8_string, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(saved.data()),
                      static_cast<int>(saved.size()));
      Reply(request, request.property);
    } else if (request.selection == clipboard && request.target == targets) {
      const long list[] = {static_cast<long>(targets), static_cast<long>(utf8_string)};
      XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(list), 2);
      Reply(request, request.property);
    } else {
      Reply(request, None);
    }
  }
}
