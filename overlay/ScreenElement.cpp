#include "overlay/ScreenElement.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "scene/Matrix.h"

namespace {
Registry<ScreenElement>& shown() { return registryOf<ScreenElement>(); }
}  // namespace

ScreenElement::ScreenElement() { show(); }

ScreenElement::~ScreenElement() { shown().erase(this); }

void ScreenElement::show()
{
    if (visible_) return;
    shown().insert(this);
    visible_ = true;
}

void ScreenElement::hide()
{
    if (!visible_) return;
    shown().erase(this);
    visible_ = false;
}

bool ScreenElement::isVisible() const { return visible_; }

void ScreenElement::setLayer(int layer) { layer_ = layer; }

const Registry<ScreenElement>& ScreenElement::shownElements() { return shown(); }

void drawScreenElements()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    glClear(GL_DEPTH_BUFFER_BIT);
    std::vector<ScreenElement*> elements = shown().snapshot();
    std::sort(elements.begin(), elements.end(),
              [](const ScreenElement* a, const ScreenElement* b) { return a->getLayer() < b->getLayer(); });
    // Overlay (x, y) lands on clip coordinates (2x - 1, 2y - 1).
    (Matrix::translation(-1, -1, 0) * Matrix::scaling(2, 2, 2)).loadGL();
    for (ScreenElement* element : elements) {
        if (!shown().contains(element)) continue;  // hidden by an element drawn before it
        glPushMatrix();
        element->draw();
        glPopMatrix();
    }
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glLoadIdentity();
}
