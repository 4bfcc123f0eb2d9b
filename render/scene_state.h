#pragma once
// The per-frame values the shaders receive: viewport size, light position, frame time.
#include "render/vector_math.h"

namespace ondalith {

class SceneState {
public:
    explicit SceneState(float t) : width_(0.0f), height_(0.0f), lightPosition_{0.0f, 0.0f, 0.0f}, currentTime_(t) {}

    void setViewport(float width, float height) {
        width_ = width;
        height_ = height;
    }
    void setLightPosition(Vec3 position) { lightPosition_ = position; }
    void setCurrentTime(float t) { currentTime_ = t; }

    float width() const { return width_; }
    float height() const { return height_; }
    Vec3 lightPosition() const { return lightPosition_; }
    float currentTime() const { return currentTime_; }

private:
    float width_;
    float height_;
    Vec3 lightPosition_;
    float currentTime_;
};

}  // namespace ondalith
