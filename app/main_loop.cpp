#include "app/main_loop.h"

#include <GLFW/glfw3.h>

#include "app/attach.h"
#include "app/saver_app.h"
#include "platform/host_window.h"
#include "platform/stop_signal.h"
#include "scene/scene.h"

namespace ondalith {

void advanceFrame() {
    const float t = static_cast<float>(glfwGetTime());
    sceneState->setCurrentTime(t);
    RenderScene(t);
}

void shutdown() {
    delete sound;
    sound = nullptr;
}

void runMainLoop() {
    GLFWwindow* window = saverApp->window;
    const bool preview = launchOptions->mode == Preview;
    SetupScene();
    bool keepRunning = true;
    do {
        advanceFrame();
        glfwSwapBuffers(window);
        glfwPollEvents();  // a key or mouse button ends the process in here
        if (glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) keepRunning = false;
        if (glfwWindowShouldClose(window)) keepRunning = false;
        if (platform::stopRequested()) keepRunning = false;
        if (preview) {
            if (!platform::hostWindowEnabled(launchOptions->parentWindow)) break;
            followNativeWindowSize(window);
        } else {
            saverApp->tendDesk();  // a key or mouse button on a cover ends the process in here
            if (saverApp->focusLost) keepRunning = false;
        }
    } while (keepRunning);
    shutdown();
}

}  // namespace ondalith
