#include "app/WindowFocus.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

bool currentWindowHasFocus(bool pointerInside)
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == None) return false;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == PointerRoot) return pointerInside;
    while (focus != None && focus != PointerRoot) {
        if (focus == window) return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, focus, &root, &parent, &children, &count) == 0) return false;
        if (children != nullptr) XFree(children);
        if (parent == root) return false;
        focus = parent;
    }
    return false;
}
