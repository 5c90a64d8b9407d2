#include "scene/ModelData.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "scene/BmpReader.h"
#include "scene/ModelFile.h"

namespace {
std::map<std::string, std::unique_ptr<ModelData>>& modelCache()
{
    static auto* models = new std::map<std::string, std::unique_ptr<ModelData>>;
    return *models;
}

void compileFullList(unsigned list, const ModelFile& model, const std::vector<unsigned>& textures)
{
    static constexpr GLfloat noTextureColour[4] = {0, 0, 0, 0};
    glNewList(list, GL_COMPILE);
    for (std::size_t g = 0; g < model.groups.size(); ++g) {
        const ModelFile::Group& group = model.groups[g];
        const bool textured = !group.textureName.empty();
        if (textured) {
            // A texture that failed to load binds 0: the group is drawn untextured-looking
            // rather than not at all.
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, textures[g]);
            glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, noTextureColour);
        }
        glBegin(GL_TRIANGLES);
        const std::size_t end = 3 * (static_cast<std::size_t>(group.firstTriangle) + group.triangleCount);
        for (std::size_t k = 3 * static_cast<std::size_t>(group.firstTriangle); k < end; ++k) {
            const std::uint16_t i = model.indices[k];
            glNormal3dv(model.normals[i].data());
            if (textured) glTexCoord2fv(model.textureCoordinates[i].data());
            glVertex3dv(model.vertices[i].data());
        }
        glEnd();
        if (textured) glDisable(GL_TEXTURE_2D);
    }
    glEndList();
}

double farthestVertex(const ModelFile& model)
{
    double farthest = 0.0;
    for (const auto& vertex : model.vertices)
        farthest = std::max(farthest, std::sqrt(vertex[0] * vertex[0] + vertex[1] * vertex[1] + vertex[2] * vertex[2]));
    return farthest;
}

// The levels of detail of a rock share their texture, as files naming the same picture do.
unsigned sharedTexture(const std::string& name)
{
    static auto* textures = new std::map<std::string, unsigned>;
    auto found = textures->find(name);
    if (found != textures->end()) return found->second;
    const unsigned texture = loadTexture(name);
    if (texture != 0) textures->emplace(name, texture);
    return texture;
}

void compilePlainList(unsigned list, const ModelFile& model)
{
    glNewList(list, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    for (std::uint16_t i : model.indices) glVertex3dv(model.vertices[i].data());
    glEnd();
    glEndList();
}
}  // namespace

ModelData* ModelData::load(const std::string& fileName)
{
    auto found = modelCache().find(fileName);
    if (found != modelCache().end()) return found->second.get();

    const ModelFile model = ModelFile::read("models/" + fileName);
    std::vector<unsigned> textures(model.groups.size(), 0);
    for (std::size_t g = 0; g < model.groups.size(); ++g) {
        if (!model.groups[g].textureName.empty()) textures[g] = sharedTexture(model.groups[g].textureName);
    }
    const unsigned lists = glGenLists(2);
    compileFullList(lists, model, textures);
    compilePlainList(lists + 1, model);
    return modelCache()
        .emplace(fileName, std::unique_ptr<ModelData>(new ModelData(lists, farthestVertex(model))))
        .first->second.get();
}
