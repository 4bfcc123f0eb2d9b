#include "app/main_loop.h"

#include <glad/gl.h>  // before GLFW, which then leaves out the system GL header
#include <GLFW/glfw3.h>

#include "app/frame_delay.h"
#include "app/picture_time.h"
#include "app/run_settings.h"
#include "app/saver_app.h"
#include "app/saver_run.h"
#include "platform/stop_signal.h"
#include "render/fps_overlay.h"
#include "render/gl_driver.h"
#include "scene/scene.h"

namespace ondalith {

namespace {
FpsOverlay* fpsOverlay = nullptr;  // only with --fps; otherwise nothing of it exists
}  // namespace

void advanceFrame() {
    const double seconds = glfwGetTime();
    const float t = pictureTime(seconds);
    sceneState->setCurrentTime(t);
    RenderScene(t);
    if (fpsOverlay) fpsOverlay->draw(seconds);
}

void shutdown() {
    delete sound;
    sound = nullptr;
}

void runMainLoop() {
    GLFWwindow* window = saverApp->window;
    SaverRun& run = *saverApp->run;
    if (run.overBeforeSetUp()) {
        run.finish();
        return;
    }
    const bool canDraw = saverApp->canDraw;
    if (canDraw) SetupScene();
    if (runSettings.showFps && canDraw) fpsOverlay = new FpsOverlay();
    FrameDelay delay(runSettings.delayMicroseconds);
    bool keepRunning = true;
    bool framePresented = false;
    do {
        // A pass draws a frame, or waits one slice of the pause after the last frame, or
        // of the time with nothing to draw, or sleeps while the display is off; the end
        // conditions below are tested after each.
        const bool idle = !canDraw || !windowMetrics.hasArea();
        const double now = glfwGetTime();
        const double dark = idle ? 0.0 : run.darkWait(now);
        const double slice = dark > 0.0 ? dark : idle ? FrameDelay::kSliceSeconds : delay.nextSlice(now);
        if (slice > 0.0) {
            glfwWaitEventsTimeout(slice);  // a key or mouse button ends the process in here
        } else {
            advanceFrame();
            glfwSwapBuffers(window);
            framePresented = true;
            const double presented = glfwGetTime();
            delay.presented(presented);
            if (fpsOverlay) fpsOverlay->framePresented(presented);
            glfwPollEvents();  // a key or mouse button ends the process in here
            if (contextWasReset()) keepRunning = false;  // a lost context draws nothing ever again
        }
        // The picture never waits for the sound's device, which may take seconds.
        if (framePresented) tendSound(glfwGetTime());
        if (glfwWindowShouldClose(window)) keepRunning = false;
        if (platform::stopRequested()) keepRunning = false;
        // Escape, the focus, the host's window: whatever else ends this kind of run.
        if (!run.tend()) keepRunning = false;
    } while (keepRunning);
    shutdown();
    run.finish();
}

}  // namespace ondalith
