#include "scene/Model.h"

#include <GL/gl.h>

#include <map>
#include <utility>

#include "scene/Camera.h"
#include "scene/GameError.h"

namespace {
struct LibraryEntry {
    std::string file;
    int coarserLevels;
};

const std::map<std::string, LibraryEntry>& library()
{
    static const auto* entries = new std::map<std::string, LibraryEntry>{
        {"Asteroid", {"asteroid", 2}},   {"Asteroid1", {"asteroid", 2}}, {"Asteroid2", {"asteroid2", 2}},
        {"Asteroid3", {"asteroid3", 2}}, {"SpaceShip", {"fighter", 0}},  {"Rocket", {"missile", 0}},
        {"Background", {"skybox", 0}}};
    return *entries;
}

// The material values a model's colour does not set (colour material tracks ambient and
// diffuse), as GL holds them.
struct MaterialState {
    static constexpr GLenum faces[] = {GL_FRONT, GL_BACK};
    static constexpr GLenum colors[] = {GL_EMISSION, GL_SPECULAR};
    GLfloat color[2][2][4];
    GLfloat shininess[2];

    static MaterialState current()
    {
        MaterialState state;
        for (int f = 0; f < 2; ++f) {
            for (int c = 0; c < 2; ++c) glGetMaterialfv(faces[f], colors[c], state.color[f][c]);
            glGetMaterialfv(faces[f], GL_SHININESS, &state.shininess[f]);
        }
        return state;
    }
    void apply() const
    {
        for (int f = 0; f < 2; ++f) {
            for (int c = 0; c < 2; ++c) glMaterialfv(faces[f], colors[c], color[f][c]);
            glMaterialf(faces[f], GL_SHININESS, shininess[f]);
        }
    }
};

struct DeferredModel {
    Model* model;
    GLfloat modelview[16];
    MaterialState material;
};

struct Deferral {
    bool on = false;
    std::vector<DeferredModel> models;
};

Deferral& deferral()
{
    static auto* state = new Deferral;
    return *state;
}
}  // namespace

Model::Model(ModelData* data, std::vector<ModelData*> coarser) : data_(data), coarser_(std::move(coarser)) {}

Model* Model::getModel(const std::string& name)
{
    auto found = library().find(name);
    if (found == library().end()) throw GameError("Model not aviable");
    const LibraryEntry& entry = found->second;
    ModelData* full = loadModelData(entry.file);
    std::vector<ModelData*> coarser;
    for (int level = 1; level <= entry.coarserLevels; ++level)
        coarser.push_back(loadModelData(entry.file + "_lod" + std::to_string(level)));
    return new Model(full, std::move(coarser));
}

int Model::detailLevelFor(double pixelRadius, int levels)
{
    int level = 0;
    for (double limit = fullDetailPixels; level + 1 < levels && pixelRadius < limit; limit /= 2) ++level;
    return level;
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

unsigned Model::detailList()
{
    Camera* camera = Camera::getActive();
    if (coarser_.empty() || camera == nullptr) return data_->fullList();
    const double pixels = camera->pixelRadius(getAbsolutePosition(), data_->radius() * getLargestAbsoluteScale());
    const int level = detailLevelFor(pixels, static_cast<int>(coarser_.size()) + 1);
    return level == 0 ? data_->fullList() : coarser_[level - 1]->fullList();
}

void Model::deferBlended(bool on)
{
    Deferral& state = deferral();
    state.on = on;
    // What a pass cut short by an error kept may be gone by the next one.
    if (on) state.models.clear();
}

void Model::drawDeferred()
{
    Deferral& state = deferral();
    if (state.models.empty()) return;
    const MaterialState before = MaterialState::current();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    for (DeferredModel& deferred : state.models) {
        glLoadMatrixf(deferred.modelview);
        deferred.material.apply();
        deferred.model->drawColored();
    }
    glPopMatrix();
    before.apply();
    state.models.clear();
}

void Model::draw()
{
    const double alpha = color_.alpha();
    if (alpha == 0.0) return;
    DynamicSceneObject::draw();
    Deferral& deferring = deferral();
    if (alpha < 1.0 && deferring.on) {
        DeferredModel& deferred = deferring.models.emplace_back(DeferredModel{this, {}, MaterialState::current()});
        glGetFloatv(GL_MODELVIEW_MATRIX, deferred.modelview);
        return;
    }
    drawColored();
}

void Model::drawColored()
{
    const double alpha = color_.alpha();
    const bool blends = alpha < 1.0;
    const bool blendWasOn = glIsEnabled(GL_BLEND);
    if (blends) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    color_.apply();
    glCallList(detailList());
    if (blends && !blendWasOn) glDisable(GL_BLEND);
}
