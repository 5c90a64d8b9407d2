#include "tools/show/ModelView.h"

#include "tools/common/BmpFile.h"
#include "tools/common/ModelFile.h"

#include <GL/gl.h>

#include <stdexcept>
#include <vector>

namespace assets {

namespace {
GLuint uploadTexture(const std::string& path)
{
    Image image;
    std::string error;
    if (!BmpFile::read(path, image, error)) throw std::runtime_error(error);
    // The game hands OpenGL bottom-up rows.
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<size_t>(image.width()) * image.height() * 3);
    const std::vector<unsigned char> top = image.toBytes();
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = &top[static_cast<size_t>(y) * image.width() * 3];
        bytes.insert(bytes.end(), row, row + image.width() * 3);
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width(), image.height(), 0, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}
}  // namespace

ModelView::ModelView(const std::string& modelsFolder, const std::string& name)
{
    std::string error;
    if (!ModelFile::read(modelsFolder + "/" + name, mesh_, error)) throw std::runtime_error(error);
    std::vector<GLuint> textures;
    for (const Group& g : mesh_.groups)
        textures.push_back(g.texture.empty() ? 0 : uploadTexture(modelsFolder + "/" + g.texture));
    list_ = glGenLists(1);
    glNewList(list_, GL_COMPILE);
    for (size_t gi = 0; gi < mesh_.groups.size(); ++gi) {
        const Group& g = mesh_.groups[gi];
        const bool textured = !g.texture.empty();
        if (textured) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, textures[gi]);
            glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        }
        glBegin(GL_TRIANGLES);
        for (int k = 3 * g.firstTriangle; k < 3 * (g.firstTriangle + g.triangleCount); ++k) {
            const Vertex& v = mesh_.vertices[mesh_.indices[k]];
            glNormal3dv(&v.normal.x);
            if (textured) glTexCoord2f(v.u, v.v);
            glVertex3dv(&v.position.x);
        }
        glEnd();
        if (textured) glDisable(GL_TEXTURE_2D);
    }
    glEndList();
}

void ModelView::draw() const { glCallList(list_); }

}  // namespace assets
