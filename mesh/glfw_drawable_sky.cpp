#include "mesh/glfw_drawable_sky.h"

#include "mesh/vertex_layout.h"

namespace ondalith {

void GLFWDrawableSky::setupAttributes() {
    // The other sixteen floats of each vertex are uploaded but not declared.
    for (const VertexLayout::Attribute& a : {VertexLayout::kPosition, VertexLayout::kTexCoord, VertexLayout::kNormal}) {
        buffers->addAttribute(programName, a.name, a.components, a.offset);
    }
}

void GLFWDrawableSky::applyUniforms() {
    glUniform1f(uniformLocation("tile_top"), tileTop);
    glUniform1f(uniformLocation("tile_mode"), tileMode);
    glUniform1f(uniformLocation("tile_angle"), tileAngle);
    glUniform1f(uniformLocation("iTime"), sceneState->currentTime());
    glUniform1f(uniformLocation("viewportWidth"), sceneState->width());
    glUniform1f(uniformLocation("viewportHeight"), sceneState->height());
}

}  // namespace ondalith
