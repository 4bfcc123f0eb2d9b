#include "mesh/glfw_drawable_mesh.h"

#include "mesh/vertex_layout.h"

namespace ondalith {

void GLFWDrawableMesh::setupAttributes() {
    for (const VertexLayout::Attribute& a : VertexLayout::kAll) {
        buffers->addAttribute(programName, a.name, a.components, a.offset);
    }
}

void GLFWDrawableMesh::applyUniforms() {
    const Vec3 light = sceneState->lightPosition();
    glUniform3fv(uniformLocation("light_pos"), 1, &light.x);
    glUniform1f(uniformLocation("iTime"), sceneState->currentTime());
}

}  // namespace ondalith
