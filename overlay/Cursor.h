#pragma once
// Cursor: a mouse cursor drawn in the overlay instead of the system cursor. It follows the
// pointer as a mouse-move listener and draws its shape in window pixels, centred on the
// pixel under the pointer, over every other overlay element (layer 100).
// At most one cursor is active (shown) at a time: showing one hides the previous one and
// turns the system cursor off; useSystemCursor() hides the active one and brings the system
// cursor back. A new cursor starts hidden. Depends on the mouse-move listeners of app/ and
// the Platform for the system cursor.
#include "app/MouseMoveListener.h"
#include "overlay/ScreenElement.h"
#include "scene/Color.h"

class Cursor : public virtual ScreenElement, public virtual MouseMoveListener {
public:
    Cursor(int size, const Color& color);
    ~Cursor() override;

    virtual void setSize(int size);
    virtual void setColor(const Color& color);
    // Draws the shape around the origin, one unit per pixel, y upward.
    virtual void drawShape(int size) = 0;

    int getSize() const { return size_; }
    Color getColor() const { return color_; }
    const Pointer& getPointer() const { return pointer_; }

    // Takes over from the active cursor and starts at the pointer's last known place.
    void show() override;
    // The system cursor stays off; see useSystemCursor.
    void hide() override;
    void draw() override;
    void mouseMoved(const Pointer& pointer) override;

    // The shown cursor, or null.
    static Cursor* active();
    static void useSystemCursor();

    static constexpr int overlayLayer = 100;

private:
    Pointer pointer_;
    Color color_;
    int size_;
};
