#include "world/WhiteCloudFactory.h"

#include <GL/gl.h>

namespace {
int whiteList = -1;
}  // namespace

void WhiteCloudFactory::WhiteCloud::drawTransparentGeometry()
{
    glColor4d(1, 1, 1, alpha_);
    glCallList(static_cast<unsigned>(whiteList));
}

WhiteCloudFactory::WhiteCloudFactory()
{
    if (whiteList < 0) whiteList = static_cast<int>(Cloud::compileGlow(Color(1, 1, 1, 0)));
}

int WhiteCloudFactory::displayList() { return whiteList; }
