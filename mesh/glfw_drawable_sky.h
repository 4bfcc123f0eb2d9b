#pragma once
// The background rectangle: position, texture coordinate and normal only, and the
// tiling and viewport uniforms of the background program.
#include "mesh/glfw_drawable_object.h"

namespace ondalith {

class GLFWDrawableSky : public GLFWDrawableObject {
public:
    GLFWDrawableSky(SceneState* sceneState, Camera* camera, ShaderRegistry* registry, const char* programName,
                    std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale)
        : GLFWDrawableObject(sceneState, camera, registry, programName, objResourceId, mtlResourceId, scale),
          tileTop(0.0f),
          tileMode(1.0f),
          tileAngle(0.0f) {}

protected:
    void setupAttributes() override;
    void applyUniforms() override;
    void beforeDraw() override {}

    const float tileTop;
    const float tileMode;
    const float tileAngle;
};

}  // namespace ondalith
