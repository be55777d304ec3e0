// Finds a top-level X11 window by title. "size TITLE" prints its width and
// height; "close TITLE" sends it the window manager's close request.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_window_probe size|close TITLE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 3;
    const Window window = FindByTitle(display, DefaultRootWindow(display), argv[2]);
    if (!window) return 1;
    if (std::strcmp(argv[1], "size") == 0) {
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
    return 0;
}
