#pragma once
// The instanced rounded cube: every attribute of the layout, light and time uniforms.
#include "mesh/glfw_drawable_object.h"

namespace ondalith {

class GLFWDrawableMesh : public GLFWDrawableObject {
public:
    GLFWDrawableMesh(SceneState* sceneState, Camera* camera, ShaderRegistry* registry, const char* programName,
                     std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale)
        : GLFWDrawableObject(sceneState, camera, registry, programName, objResourceId, mtlResourceId, scale) {}

protected:
    void setupAttributes() override;
    void applyUniforms() override;
    void beforeDraw() override {}
};

}  // namespace ondalith
