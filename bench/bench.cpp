// Benchmark of the saver's scene at 1280 x 720 with 4x multisampling: start-up split
// into textures, shaders and meshes; median and 95th-percentile frame times; the CPU
// time of a frame outside the GL driver and the heap allocations it makes there; peak
// memory; and the same instanced draw with a trivial shader pair as a baseline.
//
//   ondalith_bench [--egl] [--frames N]
//
// Without --egl it opens an X window (run it under Xvfb); with --egl it needs no display
// and draws into a multisampled framebuffer object on an EGL device or surfaceless
// context. It runs itself again with --texture-step to time the texture set-up of
// before and of now, each in a fresh process.
#include <glad/gl.h>
#include <GLFW/glfw3.h>
#ifdef ONDALITH_BENCH_EGL
#include <EGL/egl.h>
#include <EGL/eglext.h>
#endif

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/saver_app.h"
#include "bench/allocation_count.h"
#include "bench/gl_hooks.h"
#include "bench/texture_reference.h"
#include "mesh/glfw_drawable_mesh.h"
#include "mesh/glfw_drawable_sky.h"
#include "render/bitmap_texture.h"
#include "render/camera.h"
#include "render/gl_state.h"
#include "render/shader_registry.h"
#include "resource_ids.h"
#include "scene/scene.h"

using namespace ondalith;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280, kHeight = 720, kSamples = 4;

double since(Clock::time_point a, Clock::time_point b = Clock::now()) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

GLFWwindow* window = nullptr;
GLuint resolveFramebuffer = 0, sampledFramebuffer = 0;

bool openXWindow() {
    if (!glfwInit()) return false;
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_SAMPLES, kSamples);
    window = glfwCreateWindow(kWidth, kHeight, "Ondalith bench", nullptr, nullptr);
    if (!window) return false;
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);
    return loadGLEntryPoints();
}

#ifdef ONDALITH_BENCH_EGL
bool openEglContext() {
    auto queryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    auto platformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!platformDisplay) return false;
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLDeviceEXT devices[8];
    EGLint count = 0;
    if (queryDevices && queryDevices(8, devices, &count)) {
        for (int i = 0; i < count && display == EGL_NO_DISPLAY; ++i) {
            display = platformDisplay(EGL_PLATFORM_DEVICE_EXT, devices[i], nullptr);
            if (display != EGL_NO_DISPLAY && !eglInitialize(display, nullptr, nullptr)) display = EGL_NO_DISPLAY;
        }
    }
    if (display == EGL_NO_DISPLAY) {
        display = platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) return false;
    const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &configs) || configs == 0) config = nullptr;
    const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 4, EGL_CONTEXT_MINOR_VERSION, 5,
                                        EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                        EGL_NONE};
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT || !eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) return false;
    if (!gladLoadGL([](const char* name) { return reinterpret_cast<GLADapiproc>(eglGetProcAddress(name)); }))
        return false;

    // The frame is drawn multisampled and resolved, as a window's back buffer would be.
    GLuint renderbuffers[3];
    glGenRenderbuffers(3, renderbuffers);
    glGenFramebuffers(1, &sampledFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, sampledFramebuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[0]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, kSamples, GL_RGBA8, kWidth, kHeight);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers[0]);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[1]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, kSamples, GL_DEPTH24_STENCIL8, kWidth, kHeight);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, renderbuffers[1]);
    glGenFramebuffers(1, &resolveFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[2]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kWidth, kHeight);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers[2]);
    glBindFramebuffer(GL_FRAMEBUFFER, sampledFramebuffer);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}
#endif

void present() {
    if (window) {
        glfwSwapBuffers(window);
    } else {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, sampledFramebuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer);
        glBlitFramebuffer(0, 0, kWidth, kHeight, 0, 0, kWidth, kHeight, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, sampledFramebuffer);
    }
    glFinish();
}

// Places the cubes on the grid and nothing else, with one fixed colour.
GLuint trivialProgram(GLint positionLocation) {
    const char* vertex =
        "#version 140\n"
        "in vec4 position;\n"
        "uniform mat4 model_world;\n"
        "uniform mat4 world_projection;\n"
        "void main() {\n"
        "    vec2 shift = -75.0 + 1.5 * vec2(gl_InstanceID % 100, gl_InstanceID / 100);\n"
        "    gl_Position = world_projection * (model_world * (position * 0.5) + vec4(shift, 0.0, 0.0));\n"
        "}\n";
    const char* fragment =
        "#version 140\n"
        "out vec4 fragColor;\n"
        "void main() { fragColor = vec4(0.4, 0.62, 0.7, 0.76); }\n";
    GLuint program = glCreateProgram();
    for (auto [stage, text] : {std::pair<GLenum, const char*>{GL_VERTEX_SHADER, vertex}, {GL_FRAGMENT_SHADER, fragment}}) {
        GLuint shader = glCreateShader(stage);
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
    }
    glBindAttribLocation(program, positionLocation, "position");
    glLinkProgram(program);
    return program;
}

// The scene's frame with the cube program swapped for the trivial one.
void baselineFrame(GLuint program, GLsizei indexCount) {
    glViewport(0, 0, kWidth, kHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, backgroundTexture->id());
    backgroundLayer->setModelMatrix(translate(0.0f, 0.0f, -300.0f));
    backgroundLayer->draw(1);
    cubeField->setModelMatrix(translate(0.0f, 0.0f, 5.0f));
    cubeField->draw(0);  // binds the cube's buffers and attributes, draws nothing
    glUseProgram(program);
    const Mat4 worldProjection = camera->projectionMatrix() * camera->activeViewMatrix();
    glUniformMatrix4fv(glGetUniformLocation(program, "model_world"), 1, GL_FALSE, translate(0.0f, 0.0f, 5.0f).data());
    glUniformMatrix4fv(glGetUniformLocation(program, "world_projection"), 1, GL_FALSE, worldProjection.data());
    glDrawElementsInstanced(GL_TRIANGLES, indexCount, GL_UNSIGNED_INT, nullptr, 10000);
}

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 where there is none.
long statusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    }
    return 0;
}

// Lowers the peak RSS to the RSS of now, so that a step's own peak can be read after it.
void resetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Both scene pictures built one way, in a process that has just made its context, as
// the saver does: the time until GL has them, and how far the RSS rose above where it
// stood, and the part of the time spent outside the GL driver. "before" is the old
// conversion, "now" the saver's textures.
int textureStep(const char* way) {
    const bool before = !std::strcmp(way, "before");
    bench::installGLHooks();
    glFinish();
    const long start = statusKiB("VmRSS");
    resetPeakRss();
    const double insideBefore = bench::secondsInsideGL();
    const Clock::time_point begin = Clock::now();
    if (before) {
        bench::referenceTexture(IDB_BACKGROUND, 2048);
        bench::referenceTexture(IDB_HEIGHT_ATLAS, 1024);
    } else {
        BitmapTexture background(IDB_BACKGROUND, 2048), atlas(IDB_HEIGHT_ATLAS, 1024);
    }
    const double outsideMs = since(begin) - 1000.0 * (bench::secondsInsideGL() - insideBefore);
    glFinish();
    std::printf("%.3f %.3f %.3f\n", since(begin), outsideMs, (statusKiB("VmHWM") - start) / 1024.0);
    return 0;
}

struct TextureRun {
    double ms = 1e9, outsideMs = 1e9, peakMiB = 0.0;
};

// Runs this bench again for the texture step alone and keeps the best times and the
// highest peak.
void runTextureStep(bool egl, const char* way, TextureRun& run) {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return;
    self[length] = '\0';
    const std::string command = std::string("'") + self + "'" + (egl ? " --egl" : "") + " --texture-step " + way;
    FILE* child = popen(command.c_str(), "r");
    if (!child) return;
    double ms = 0, outsideMs = 0, peakMiB = 0;
    if (std::fscanf(child, "%lf %lf %lf", &ms, &outsideMs, &peakMiB) == 3) {
        run.ms = std::min(run.ms, ms);
        run.outsideMs = std::min(run.outsideMs, outsideMs);
        run.peakMiB = std::max(run.peakMiB, peakMiB);
    }
    pclose(child);
}

struct Stats {
    double median, p95;
};

Stats stats(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[std::min(v.size() - 1, static_cast<size_t>(v.size() * 0.95))]};
}

struct Options {
    bool egl = false;
    int frames = 30;
    const char* textureWay = nullptr;  // --texture-step: this process times the textures only
};

Options readOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--egl")) options.egl = true;
        if (!std::strcmp(argv[i], "--texture-step") && i + 1 < argc) options.textureWay = argv[++i];
        if (!std::strcmp(argv[i], "--frames") && i + 1 < argc) options.frames = std::max(3, std::atoi(argv[++i]));
    }
    return options;
}

bool openContext(bool egl) {
#ifdef ONDALITH_BENCH_EGL
    if (egl) return openEglContext();
#endif
    return !egl && openXWindow();
}

struct StartUp {
    double contextMs, texturesMs, shadersMs, meshesMs, firstFrameMs, toFirstFrameMs;
};

// The scene's set-up, step by step as the saver takes it, without the silent sound.
StartUp measureStartUp(Clock::time_point start) {
    StartUp times{};
    setWindowMetrics(kWidth, kHeight);
    setFixedGLState();
    glFinish();
    times.contextMs = since(start);
    Clock::time_point mark = Clock::now();
    setupStateAndTextures();
    glFinish();
    times.texturesMs = since(mark);
    mark = Clock::now();
    setupPrograms();
    glFinish();
    times.shadersMs = since(mark);
    mark = Clock::now();
    setupDrawables();
    glFinish();
    times.meshesMs = since(mark);
    mark = Clock::now();
    sceneState->setCurrentTime(0.0f);
    RenderScene(0.0f);
    present();
    times.firstFrameMs = since(mark);
    times.toFirstFrameMs = since(start);
    return times;
}

struct Frames {
    std::vector<double> frameMs, outsideMs;
    std::size_t fewestAllocations = SIZE_MAX, mostAllocations = 0;
};

// Frames in the middle of a pass, with a picture up and the wave crossing the view.
Frames measureFrames(int frames) {
    bench::installGLHooks();
    Frames run;
    for (int i = 0; i < frames; ++i) {
        const float t = 20.0f + 0.25f * i;
        const double insideBefore = bench::secondsInsideGL();
        const std::size_t allocationsBefore = bench::allocationsCounted();
        const Clock::time_point begin = Clock::now();
        bench::countAllocations(true);
        sceneState->setCurrentTime(t);
        RenderScene(t);
        bench::countAllocations(false);
        const double submitMs = since(begin);
        const std::size_t allocations = bench::allocationsCounted() - allocationsBefore;
        run.fewestAllocations = std::min(run.fewestAllocations, allocations);
        run.mostAllocations = std::max(run.mostAllocations, allocations);
        present();
        run.frameMs.push_back(since(begin));
        run.outsideMs.push_back(submitMs - 1000.0 * (bench::secondsInsideGL() - insideBefore));
    }
    return run;
}

std::vector<double> measureBaseline(int frames) {
    const GLint position = programRegistry->getProgram("CubeProgram")->attributeLocation("position");
    const GLuint trivial = trivialProgram(position);
    GLint indexBytes = 0;
    cubeField->draw(0);
    glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &indexBytes);
    std::vector<double> baselineMs;
    for (int i = 0; i < frames; ++i) {
        const Clock::time_point begin = Clock::now();
        baselineFrame(trivial, indexBytes / 4);
        present();
        baselineMs.push_back(since(begin));
    }
    return baselineMs;
}

void printReport(const Options& options, const StartUp& startUp, const Frames& run,
                 const std::vector<double>& baselineMs, const TextureRun& before, const TextureRun& now) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const Stats scene = stats(run.frameMs), base = stats(baselineMs), outside = stats(run.outsideMs);
    std::printf("renderer: %s (%s, %dx%d, %dx MSAA, %d frames each)\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                options.egl ? "EGL framebuffer object" : "X window", kWidth, kHeight, kSamples, options.frames);
    std::printf("| measure | value |\n|---|---|\n");
    std::printf("| main() to GL context | %.1f ms |\n", startUp.contextMs);
    std::printf("| textures (2048 + 1024 pictures) | %.1f ms |\n", startUp.texturesMs);
    std::printf("| shaders (2 programs) | %.1f ms |\n", startUp.shadersMs);
    std::printf("| meshes (2 drawables) | %.1f ms |\n", startUp.meshesMs);
    std::printf("| first frame, drawn and presented | %.1f ms |\n", startUp.firstFrameMs);
    std::printf("| main() to first presented frame | %.1f ms |\n", startUp.toFirstFrameMs);
    std::printf("| frame, median / 95th percentile | %.1f / %.1f ms |\n", scene.median, scene.p95);
    std::printf("| CPU outside the GL driver per frame, median / 95th | %.3f / %.3f ms |\n", outside.median, outside.p95);
    if (run.fewestAllocations == run.mostAllocations)
        std::printf("| heap allocations per frame outside the GL driver | %zu |\n", run.mostAllocations);
    else
        std::printf("| heap allocations per frame outside the GL driver | %zu to %zu |\n", run.fewestAllocations,
                    run.mostAllocations);
    std::printf("| baseline (trivial shaders) frame, median / 95th | %.1f / %.1f ms |\n", base.median, base.p95);
    std::printf("| scene / baseline, median | %.2f |\n", scene.median / base.median);
    std::printf("| peak RSS | %.1f MiB |\n", usage.ru_maxrss / 1024.0);
    if (before.ms < 1e9 && now.ms < 1e9) {
        std::printf("| textures in a fresh process, before / now, best of 3 | %.1f / %.1f ms |\n", before.ms, now.ms);
        std::printf("| of which outside the GL driver, before / now | %.1f / %.1f ms |\n", before.outsideMs,
                    now.outsideMs);
        std::printf("| textures, RSS rise at the peak, before / now | %.1f / %.1f MiB |\n", before.peakMiB,
                    now.peakMiB);
    } else {
        std::printf("| textures in a fresh process | not measured: the bench could not run itself again |\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    const Options options = readOptions(argc, argv);
    if (!openContext(options.egl)) {
        std::fprintf(stderr, "no GL context (%s)\n", options.egl ? "EGL" : "X window");
        return 1;
    }
    if (options.textureWay) return textureStep(options.textureWay);
    const StartUp startUp = measureStartUp(start);
    const Frames run = measureFrames(options.frames);
    const std::vector<double> baselineMs = measureBaseline(options.frames);
    // The texture set-up of before against today's, each in a fresh process, in turn.
    TextureRun before, now;
    for (int round = 0; round < 3; ++round) {
        runTextureStep(options.egl, "before", before);
        runTextureStep(options.egl, "now", now);
    }
    printReport(options, startUp, run, baselineMs, before, now);
    return 0;
}
