#pragma once
// One model of the scene, ready to draw with one program: loaded and interleaved at
// construction, uploaded by setup, drawn instanced with its matrices and uniforms.
#include <cstdint>

#include <glad/gl.h>

#include "mesh/interleaved_mesh.h"
#include "render/camera.h"
#include "render/scene_state.h"
#include "render/shader_registry.h"
#include "render/vector_math.h"
#include "render/vertex_buffer_set.h"

namespace ondalith {

class GLFWDrawableObject {
public:
    GLFWDrawableObject(const GLFWDrawableObject&) = delete;
    GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

    // Declares the attributes and uploads both buffers; the program must be registered.
    void setup();
    void setModelMatrix(const Mat4& m) { modelMatrix = m; }
    void draw(std::int32_t instances);

    const InterleavedMesh& interleaved() const { return *mesh; }

protected:
    // The whole load: a model that gives no mesh ends the process (see MeshArrays).
    GLFWDrawableObject(SceneState* sceneState, Camera* camera, ShaderRegistry* registry, const char* programName,
                       std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale);
    // Not virtual: drawables are never destroyed through the base.
    ~GLFWDrawableObject();

    virtual void setupAttributes() = 0;
    virtual void applyUniforms() = 0;
    virtual void beforeDraw() = 0;

    // -1 (which GL ignores) when the program is not registered.
    GLint uniformLocation(const char* name) const;

    SceneState* sceneState;
    ShaderRegistry* registry;
    InterleavedMesh* mesh;
    VertexBufferSet* buffers;
    Camera* camera;
    const char* programName;
    Mat4 modelMatrix;

private:
    void applyMatrices();
};

}  // namespace ondalith
