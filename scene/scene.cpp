#include "scene/scene.h"

#include <glad/gl.h>

#include <cstdint>

#include "app/saver_app.h"
#include "mesh/glfw_drawable_mesh.h"
#include "mesh/glfw_drawable_sky.h"
#include "render/bitmap_texture.h"
#include "render/camera.h"
#include "render/shader_registry.h"
#include "platform/window_handle.h"
#include "resource_ids.h"

namespace ondalith {

ShaderRegistry* programRegistry = nullptr;
SceneState* sceneState = nullptr;
Camera* camera = nullptr;
BitmapTexture* backgroundTexture = nullptr;
BitmapTexture* atlasTexture = nullptr;
GLFWDrawableSky* backgroundLayer = nullptr;
GLFWDrawableMesh* cubeField = nullptr;
CDirectSound* sound = nullptr;

namespace {

constexpr int kViewSlot = 0;
constexpr float kFieldOfView = 50.0f;
constexpr float kNearPlane = 0.1f;
constexpr float kFarPlane = 500.0f;
constexpr int kCubeInstances = 10000;  // 100 columns x 100 rows

}  // namespace

void setupStateAndTextures() {
    programRegistry = new ShaderRegistry();
    sceneState = new SceneState(0.0f);
    camera = new Camera(0.0f, 0.0f, 150.0f);
    camera->updateView(kViewSlot);
    backgroundTexture = new BitmapTexture(IDB_BACKGROUND, 2048);
    atlasTexture = new BitmapTexture(IDB_HEIGHT_ATLAS, 1024);
}

void setupPrograms() {
    programRegistry->addProgram("BackgroundProgram", IDT_BACKGROUND_VERTEX, IDT_BACKGROUND_FRAGMENT);
    programRegistry->addProgram("CubeProgram", IDT_CUBE_VERTEX, IDT_CUBE_FRAGMENT);
}

void setupDrawables() {
    backgroundLayer = new GLFWDrawableSky(sceneState, camera, programRegistry, "BackgroundProgram", IDT_RECTANGLE_OBJ,
                                          IDT_RECTANGLE_MTL, 500.0f);
    backgroundLayer->setup();
    cubeField = new GLFWDrawableMesh(sceneState, camera, programRegistry, "CubeProgram", IDT_ROUNDED_CUBE_OBJ,
                                     IDT_ROUNDED_CUBE_MTL, 0.2f);
    cubeField->setup();
}

// Loaded but never played: the saver is silent, and a failed load changes nothing.
void setupSound() { sound = new CDirectSound(); }

void tendSound(double now) {
    static bool begun = false;
    if (!sound) return;
    if (begun) {
        sound->ContinueLoad(now);  // answers at once once the load is over
        return;
    }
    begun = true;
    std::uintptr_t window = platform::nativeHandleOf(saverApp->window);
    sound->BeginLoadFromResource(IDW_CLICK, &window, now);
}

void SetupScene() {
    setupStateAndTextures();
    setupPrograms();
    setupDrawables();
    setupSound();
}

// The time reaches the shaders through sceneState, which the main loop has already set.
void RenderScene(float) {
    glViewport(0, 0, windowMetrics.width, windowMetrics.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    sceneState->setViewport(static_cast<float>(windowMetrics.width), static_cast<float>(windowMetrics.height));
    sceneState->setLightPosition(Vec3{0.0f, 0.0f, 250.0f});
    camera->setProjection(perspective(kFieldOfView, windowMetrics.aspect, kNearPlane, kFarPlane));
    camera->selectView(kViewSlot);

    const Mat4 backgroundModel = translate(0.0f, 0.0f, -300.0f);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, backgroundTexture->id());
    backgroundLayer->setModelMatrix(backgroundModel);
    backgroundLayer->draw(1);

    const Mat4 cubeModel = translate(0.0f, 0.0f, 5.0f);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, atlasTexture->id());
    cubeField->setModelMatrix(cubeModel);
    cubeField->draw(kCubeInstances);
}

}  // namespace ondalith
