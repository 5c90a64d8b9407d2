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

void Cursor::mouseMoved(int x, int y)
{
    mouseX_ = x;
    mouseY_ = y;
}

void Cursor::draw()
{
    const Viewport viewport = Viewport::current();
    const double width = viewport.safeWidth(), height = viewport.safeHeight();
    // Window pixel (x, y), counted from the top, has its centre at (x + 0.5, height - y - 0.5)
    // counted from the bottom; shapes drawn around that centre hit whole pixels.
    glTranslated((mouseX_ + 0.5) / width, 1.0 - (mouseY_ + 0.5) / height, 0.0);
    glScaled(1.0 / width, 1.0 / height, 1.0);
    color_.apply();
    drawShape(size_);
}

Cursor* Cursor::active() { return activeCursor(); }

void Cursor::useSystemCursor()
{
    if (activeCursor() != nullptr) activeCursor()->hide();
    Platform::get().setSystemCursorVisible(true);
}
