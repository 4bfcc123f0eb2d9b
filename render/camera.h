#pragma once
// The view and projection matrices that every drawable reads. The eye never moves, so
// the view is computed once into a slot; the projection follows the window's aspect.
#include <cstdint>

#include "render/vector_math.h"

namespace ondalith {

class Camera {
public:
    static constexpr int kViewSlots = 5;

    Camera(float x, float y, float z);

    // Slots outside 0..4 are ignored, so the active slot always names a real one.
    void updateView(int slot);
    void selectView(int slot);
    void setProjection(Mat4 matrix) { projection = matrix; }

    Mat4 projectionMatrix() const { return projection; }
    Mat4 activeViewMatrix() const { return views[activeView]; }
    std::int32_t activeSlot() const { return activeView; }

private:
    Mat4 views[kViewSlots];
    std::int32_t activeView;
    Vec3 eye;
    Vec3 target;
    Vec3 forward;
    Vec3 up;
    Mat4 projection;
};

}  // namespace ondalith
