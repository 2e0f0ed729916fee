#pragma once
// The screen as a window manager keeps it, read and driven through an X connection of the test's own:
// the managed windows and their stacking, frames, the work area, and the user's pointer and keys.

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <vector>

namespace ornavo::testing {

// The screen as the window manager keeps it, through a connection of the test's own.
class XScreen {
  public:
    XScreen() : display_(XOpenDisplay(nullptr)) {}
    ~XScreen() {
        if (display_)
            XCloseDisplay(display_);
    }
    bool open() const { return display_ != nullptr; }

    // Whether a window manager has announced itself.
    bool managed() { return !property(root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty(); }
    // The managed windows, bottom to top.
    std::vector<unsigned long> stacking() { return property(root(), "_NET_CLIENT_LIST_STACKING", XA_WINDOW); }
    unsigned long active() {
        const std::vector<unsigned long> a = property(root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return a.empty() ? 0 : a[0];
    }
    unsigned long transientFor(unsigned long window) {
        Window owner = 0;
        XGetTransientForHint(display_, window, &owner);
        return owner;
    }
    // Where the window stands on the screen with its frame (the window manager's decoration).
    QRect frame(unsigned long window) {
        Window child = 0, ignored = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(display_, window, &ignored, &x, &y, &width, &height, &border, &depth);
        XTranslateCoordinates(display_, window, root(), 0, 0, &x, &y, &child);
        const std::vector<unsigned long> e =
            property(window, "_NET_FRAME_EXTENTS", XA_CARDINAL); // left right top bottom
        const QRect client(x, y, int(width), int(height));
        return e.size() == 4 ? client.adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3])) : client;
    }
    // A point on the window's title bar.
    QPoint titleBar(unsigned long window) {
        const QRect f = frame(window);
        const std::vector<unsigned long> e = property(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
        const int top = e.size() == 4 ? int(e[2]) : 0;
        return QPoint(f.left() + std::min(f.width() / 3, 200), f.top() + std::max(top / 2, 1));
    }
    // A press and release of the left button at that point of the screen, as the user makes them.
    void click(QPoint at) {
        XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(display_, 1, True, 30);
        XTestFakeButtonEvent(display_, 1, False, 30);
        XFlush(display_);
    }
    // The middle of the widget where the screen shows it (Qt's own idea of a window's place can lag
    // behind the window manager's moves).
    void click(const QWidget* widget) {
        click(clientOrigin(widget->window()->winId()) +
              widget->mapTo(widget->window(), widget->rect().center()));
    }
    QPoint clientOrigin(unsigned long window) {
        Window child = 0;
        int x = 0, y = 0;
        XTranslateCoordinates(display_, window, root(), 0, 0, &x, &y, &child);
        return QPoint(x, y);
    }
    // Where the window's frame stands among the screen's top-level windows, bottom (0) to top: what the
    // X server shows in front. (_NET_CLIENT_LIST_STACKING says the same, but not every window manager
    // keeps it up to date when a click raises a window.)
    int depth(unsigned long window) {
        Window top = window, rootReturn = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        while (XQueryTree(display_, top, &rootReturn, &parent, &children, &count)) {
            if (children)
                XFree(children);
            if (parent == rootReturn || parent == 0)
                break;
            top = parent;
        }
        int at = -1;
        if (XQueryTree(display_, root(), &rootReturn, &parent, &children, &count))
            for (unsigned i = 0; i < count; ++i)
                if (children[i] == top)
                    at = int(i);
        if (children)
            XFree(children);
        return at;
    }
    // A press and release of the right button.
    void rightClick(QPoint at) {
        XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(display_, 3, True, 30);
        XTestFakeButtonEvent(display_, 3, False, 30);
        XFlush(display_);
    }
    // A key as the user types it (with Shift held when asked).
    void key(KeySym symbol, bool shift = false) {
        const KeyCode shiftCode = XKeysymToKeycode(display_, XK_Shift_L);
        if (shift)
            XTestFakeKeyEvent(display_, shiftCode, True, 0);
        const KeyCode code = XKeysymToKeycode(display_, symbol);
        XTestFakeKeyEvent(display_, code, True, 10);
        XTestFakeKeyEvent(display_, code, False, 10);
        if (shift)
            XTestFakeKeyEvent(display_, shiftCode, False, 10);
        XFlush(display_);
    }
    // The room the window manager leaves for windows (the screen less its panels).
    QRect workArea() {
        const std::vector<unsigned long> a = property(root(), "_NET_WORKAREA", XA_CARDINAL);
        if (a.size() >= 4)
            return QRect(int(a[0]), int(a[1]), int(a[2]), int(a[3]));
        const Screen* s = DefaultScreenOfDisplay(display_);
        return QRect(0, 0, WidthOfScreen(s), HeightOfScreen(s));
    }
    // What a frame's close button does: the window manager asks the window to close.
    void requestClose(unsigned long window) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = CurrentTime;
        e.xclient.data.l[1] = 2; // from a pager or the like: the user's request
        XSendEvent(display_, root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        XFlush(display_);
    }

  private:
    Window root() const { return DefaultRootWindow(display_); }
    std::vector<unsigned long> property(Window window, const char* name, Atom type) {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> values;
        if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 4096, False, type,
                               &actual, &format, &count, &after, &data) == Success &&
            data && format == 32)
            values.assign(reinterpret_cast<unsigned long*>(data),
                          reinterpret_cast<unsigned long*>(data) + count);
        if (data)
            XFree(data);
        return values;
    }

    Display* display_;
};

} // namespace ornavo::testing
