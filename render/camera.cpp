#include "render/camera.h"

namespace ondalith {

namespace {
bool isSlot(int slot) { return slot >= 0 && slot < Camera::kViewSlots; }
}  // namespace

Camera::Camera(float x, float y, float z)
    : activeView(0), eye{x, y, z}, target{0, 0, 0}, forward{0.0f, 0.0f, -1.0f}, up{0.0f, 1.0f, 0.0f} {
    target = eye + forward;
}

void Camera::updateView(int slot) {
    if (!isSlot(slot)) return;
    views[slot] = lookAt(eye, target, up);
    activeView = slot;
}

void Camera::selectView(int slot) {
    if (isSlot(slot)) activeView = slot;
}

}  // namespace ondalith
