#pragma once
// Camera: a moving scene object that turns its place into the view and the projection
// (45 degree field of view, near 0.1, far 100, the viewport's aspect). It looks along its
// local -Z axis with +Y up. The matrices are computed at most once per frame, on first use.
// One camera is active at a time; the scene passes, picking and culling use it. The first
// camera whose matrices are computed becomes active.
#include <array>

#include "scene/DynamicSceneObject.h"

class Camera : public virtual DynamicSceneObject {
public:
    Camera() = default;
    ~Camera() override;

    // Loads projection times view into GL_PROJECTION.
    virtual void apply();
    virtual Matrix getViewProjectionMatrix();
    virtual Matrix getProjectionMatrix();
    virtual Matrix getViewMatrix();
    virtual Vector getEyePosition();
    // False only when the sphere lies wholly outside the view volume, so that nothing of what
    // it holds can reach the screen; a sphere that is not finite counts as seen.
    virtual bool maySee(const Vector& centre, double radius);
    // The radius in viewport pixels of the sphere's outline on screen, measured across the
    // viewport's height; infinite when the eye lies inside the sphere.
    virtual double pixelRadius(const Vector& centre, double radius);

    void calculate(TimeStep step) override;
    void draw() override {}

    static Camera* getActive();
    static void setActive(Camera* camera);
    // The active camera's apply(), or the identity in the current matrix mode.
    static void applyActive();

    static constexpr double fieldOfView = 45.0;
    static constexpr double nearPlane = static_cast<double>(0.1f);
    static constexpr double farPlane = 100.0;

    // A side of the view volume as a x + b y + c z + d, in world units, positive inside.
    using ViewPlane = std::array<double, 4>;

private:
    void computeMatrices();

    Matrix viewProjection_;
    Matrix projection_;
    Matrix view_;
    std::array<ViewPlane, 6> viewPlanes_{};  // left, right, bottom, top, near, far
    Vector eyePosition_;
    double pixelsPerSlope_ = 0.0;  // half the viewport's height over the tangent of half the field of view
    bool matricesValid_ = false;
    bool eyePositionValid_ = false;
};
