#include "scene/scene.h"

#include <glad/gl.h>

#include "app/saver_app.h"

namespace ondalith {

SceneState* sceneState = nullptr;
CDirectSound* sound = nullptr;

void SetupScene() {
    sceneState = new SceneState(0.0f);
    sound = new CDirectSound();
}

void RenderScene(float) {
    glViewport(0, 0, windowMetrics.width, windowMetrics.height);
    glClearColor(0.1f, 0.3f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace ondalith
