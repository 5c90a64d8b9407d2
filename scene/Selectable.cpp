#include "scene/Selectable.h"

#include <GL/gl.h>

#include <vector>

#include "scene/ByteColor.h"
#include "scene/SelectableSceneObject.h"
#include "scene/Viewport.h"

void Selectable::enableSelection()
{
    if (selectable_) return;
    setRegistered(true);
    selectable_ = true;
}

void Selectable::disableSelection()
{
    if (!selectable_) return;
    setRegistered(false);
    selectable_ = false;
}

bool Selectable::isSelectable() const { return selectable_; }

Selectable* Selectable::pick(int x, int y)
{
    const Viewport viewport = Viewport::current();
    if (x < 0 || y < 0 || x >= viewport.width || y >= viewport.height) return nullptr;

    // Only the pixel under the pointer counts: drawing just that one spares the renderer a
    // screen full of fill, and the read-back waits for no more than it.
    const int row = viewport.height - 1 - y;  // GL counts rows from the bottom
    glScissor(x, row, 1, 1);
    glEnable(GL_SCISSOR_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_NORMALIZE);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Object number n is drawn in the colour of n; 0, black, is the empty background.
    const std::vector<Selectable*> entries = registry().snapshot();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (dynamic_cast<SelectableSceneObject*>(entries[i]) == nullptr) continue;
        ByteColor::fromIndex(static_cast<int>(i + 1)).apply();
        entries[i]->drawForSelection();
    }

    unsigned char rgb[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glReadPixels(x, row, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    const int number = ByteColor(rgb[0], rgb[1], rgb[2]).toIndex();

    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glDisable(GL_SCISSOR_TEST);
    if (number == 0 || static_cast<std::size_t>(number) > entries.size()) return nullptr;
    return entries[number - 1];
}
