#include "mesh/glfw_drawable_object.h"

#include "mesh/vertex_layout.h"

namespace ondalith {

GLFWDrawableObject::GLFWDrawableObject(SceneState* sceneState, Camera* camera, ShaderRegistry* registry,
                                       const char* programName, std::uint16_t objResourceId,
                                       std::uint16_t mtlResourceId, float scale)
    : sceneState(sceneState),
      registry(registry),
      mesh(new InterleavedMesh(objResourceId, mtlResourceId, scale)),
      buffers(new VertexBufferSet(registry)),
      camera(camera),
      programName(programName) {
    buffers->setVertexData(mesh->vertexCount * VertexLayout::kStrideFloats * static_cast<std::int32_t>(sizeof(float)),
                           mesh->vertexData, VertexLayout::kStrideFloats);
    buffers->setIndexData(mesh->indexCount * static_cast<std::int32_t>(sizeof(std::uint32_t)), mesh->indexData,
                          mesh->indexCount);
}

GLFWDrawableObject::~GLFWDrawableObject() {
    delete buffers;
    delete mesh;
}

void GLFWDrawableObject::setup() {
    setupAttributes();
    buffers->upload();
}

GLint GLFWDrawableObject::uniformLocation(const char* name) const {
    GLFWProgram* program = registry ? registry->getProgram(programName) : nullptr;
    return program ? program->uniformLocation(name) : -1;
}

void GLFWDrawableObject::applyMatrices() {
    const Mat4 worldProjection = camera->projectionMatrix() * camera->activeViewMatrix();
    const Mat4 modelProjection = worldProjection * modelMatrix;
    glUniformMatrix4fv(uniformLocation("model_world"), 1, GL_FALSE, modelMatrix.data());
    glUniformMatrix4fv(uniformLocation("world_projection"), 1, GL_FALSE, worldProjection.data());
    glUniformMatrix4fv(uniformLocation("model_projection"), 1, GL_FALSE, modelProjection.data());
}

void GLFWDrawableObject::draw(std::int32_t instances) {
    registry->useProgram(programName);
    beforeDraw();
    applyMatrices();
    applyUniforms();
    buffers->prepare();
    glDrawElementsInstanced(GL_TRIANGLES, buffers->indexCount(), GL_UNSIGNED_INT, nullptr, instances);
}

}  // namespace ondalith
