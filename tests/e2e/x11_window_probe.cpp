// Finds a top-level X11 window by title. "size TITLE" prints its width and
// height; "close TITLE" sends it the window manager's close request;
// "keys TITLE Shift_L+F12" gives it the focus and strikes the keys named by
// their key symbols together: pressed in order, released in reverse.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

Window FindByTitle(Display* display, Window root, const std::string& title) {
    Window unused, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &unused, &unused, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (title == name) found = children[i];
            XFree(name);
        }
        if (!found) found = FindByTitle(display, children[i], title);
    }
    if (children) XFree(children);
    return found;
}

void SendKey(Display* display, Window window, KeySym sym, bool press, unsigned state) {
    XEvent event{};
    event.xkey.type = press ? KeyPress : KeyRelease;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.time = CurrentTime;
    event.xkey.same_screen = True;
    event.xkey.state = state;
    event.xkey.keycode = XKeysymToKeycode(display, sym);
    XSendEvent(display, window, True, press ? KeyPressMask : KeyReleaseMask, &event);
}

bool IsShift(KeySym sym) {
    return sym == XK_Shift_L || sym == XK_Shift_R;
}

bool StrikeKeys(Display* display, Window window, const std::string& names) {
    std::vector<KeySym> keys;
    std::istringstream list(names);
    for (std::string name; std::getline(list, name, '+');) {
        const KeySym sym = XStringToKeysym(name.c_str());
        if (sym == NoSymbol) return false;
        keys.push_back(sym);
    }
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    unsigned state = 0;
    for (KeySym sym : keys) {
        SendKey(display, window, sym, true, state);
        if (IsShift(sym)) state |= ShiftMask;
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        if (IsShift(*it)) state &= ~ShiftMask;
        SendKey(display, window, *it, false, state);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool keys = argc == 4 && std::strcmp(argv[1], "keys") == 0;
    if (argc != 3 && !keys) {
        std::fprintf(stderr, "usage: x11_window_probe size|close TITLE | keys TITLE KEY+KEY\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 3;
    const Window window = FindByTitle(display, DefaultRootWindow(display), argv[2]);
    if (!window) return 1;
    int status = 0;
    if (keys) {
        status = StrikeKeys(display, window, argv[3]) ? 0 : 2;
    } else if (std::strcmp(argv[1], "size") == 0) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        std::printf("%d %d\n", attributes.width, attributes.height);
    } else {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
    }
    XCloseDisplay(display);  // flushes the request
    return status;
}
