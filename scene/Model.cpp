#include "scene/Model.h"

#include <GL/gl.h>

#include <map>

#include "scene/Camera.h"
#include "scene/GameError.h"

namespace {
const std::map<std::string, std::string>& fileNames()
{
    static const auto* names = new std::map<std::string, std::string>{
        {"Asteroid", "asteroid"}, {"Asteroid1", "asteroid"}, {"Asteroid2", "asteroid2"}, {"Asteroid3", "asteroid3"},
        {"SpaceShip", "fighter"}, {"Rocket", "missile"},     {"Background", "skybox"}};
    return *names;
}
}  // namespace

Model::Model(ModelData* data) : data_(data) {}

Model* Model::getModel(const std::string& name)
{
    auto found = fileNames().find(name);
    if (found == fileNames().end()) throw GameError("Model not aviable");
    return new Model(loadModelData(found->second));
}

ModelData* Model::loadModelData(const std::string& fileName) { return ModelData::load(fileName); }

void Model::drawPlainGeometry()
{
    DynamicSceneObject::draw();
    glCallList(data_->plainList());
}

void Model::setColor(const Color& color) { color_ = color; }

double Model::getAlpha() { return color_.alpha(); }

void Model::setAlpha(double alpha) { color_ = Color(color_, alpha); }

bool Model::isCulled()
{
    if (DynamicSceneObject::isCulled()) return true;
    Camera* camera = Camera::getActive();
    if (camera == nullptr) return false;
    // The root of the squared axis lengths bounds how far the matrix can carry a vertex of the
    // model's radius, whatever shear the parents' scales add.
    const Vector scales = getAbsoluteScales();
    return !camera->maySee(getAbsolutePosition(), data_->radius() * scales.length());
}

void Model::draw()
{
    const double alpha = color_.alpha();
    if (alpha == 0.0) return;
    DynamicSceneObject::draw();
    const bool blends = alpha < 1.0;
    const bool blendWasOn = glIsEnabled(GL_BLEND);
    if (blends) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    color_.apply();
    glCallList(data_->fullList());
    if (blends && !blendWasOn) glDisable(GL_BLEND);
}
