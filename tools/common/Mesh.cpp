#include "tools/common/Mesh.h"

#include <algorithm>

namespace assets {

double Mesh::radius() const
{
    double r = 0.0;
    for (const Vertex& v : vertices) r = std::max(r, v.position.length());
    return r;
}

}  // namespace assets
