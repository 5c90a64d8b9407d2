#include "overlay/Cursor.h"

#include <GL/gl.h>

#include "scene/Platform.h"
#include "scene/Viewport.h"

namespace {
Cursor*& activeCursor()
{
    static Cursor* cursor = nullptr;
    return cursor;
}
}  // namespace

Cursor::Cursor(int size, const Color& color) : color_(color), size_(size)
{
    ScreenElement::setLayer(overlayLayer);
    ScreenElement::hide();
    setListening(false);
}

Cursor::~Cursor()
{
    if (activeCursor() == this) activeCursor() = nullptr;
}

void Cursor::setSize(int size) { size_ = size; }

void Cursor::setColor(const Color& color) { color_ = color; }

void Cursor::show()
{
    if (isVisible()) return;
    if (activeCursor() != nullptr)
        activeCursor()->hide();
    else
        Platform::get().setSystemCursorVisible(false);
    ScreenElement::show();
    setListening(true);
    activeCursor() = this;
    // While hidden it did not listen; without this it would sit at a stale place until the
    // mouse moves.
    resendLastMousePosition();
}

void Cursor::hide()
{
    if (!isVisible()) return;
    ScreenElement::hide();
    setListening(false);
    if (activeCursor() == this) activeCursor() = nullptr;
}

void Cursor::mouseMoved(const Pointer& pointer) { pointer_ = pointer; }

void Cursor::draw()
{
    // Window pixel (x, y), counted from the top, has its centre at (x + 0.5, height - y - 0.5)
    // counted from the bottom; shapes drawn around that centre hit whole pixels (in a replay
    // shown at another size, the same place of the window).
    const double width = pointer_.width, height = pointer_.height;
    glTranslated((pointer_.x + 0.5) / width, 1.0 - (pointer_.y + 0.5) / height, 0.0);
    const Viewport viewport = Viewport::current();
    glScaled(1.0 / viewport.safeWidth(), 1.0 / viewport.safeHeight(), 1.0);
    color_.apply();
    drawShape(size_);
}

Cursor* Cursor::active() { return activeCursor(); }

void Cursor::useSystemCursor()
{
    if (activeCursor() != nullptr) activeCursor()->hide();
    Platform::get().setSystemCursorVisible(true);
}
