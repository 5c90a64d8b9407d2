#pragma once
// ModelView: a model file compiled into a display list the way the game does it: textured
// groups bind their texture (uploaded as RGB, linear filtering, no mipmaps, default wrap)
// under GL_MODULATE, untextured groups draw plain, normals always, texture coordinates only
// when textured. Needs a current GL context.
#include "tools/common/Mesh.h"

#include <string>

namespace assets {

class ModelView {
public:
    // Throws std::runtime_error when the model or one of its textures cannot be read.
    explicit ModelView(const std::string& modelsFolder, const std::string& name);
    void draw() const;
    const Mesh& mesh() const { return mesh_; }

private:
    Mesh mesh_;
    unsigned list_ = 0;
};

}  // namespace assets
