#include "bench/gl_hooks.h"

#include "bench/allocation_count.h"

#include <glad/gl.h>

#include <chrono>
#include <utility>

namespace ondalith::bench {

namespace {

double inside = 0.0;

// What the driver allocates is not the saver's: the count pauses inside.
struct Timer {
    AllocationPause pause;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    ~Timer() { inside += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); }
};

// One wrapper per entry point: the original pointer is kept in a static of the template.
template <auto* Pointer, typename Signature>
struct Hook;

template <auto* Pointer, typename R, typename... Args>
struct Hook<Pointer, R (*)(Args...)> {
    static inline R (*original)(Args...) = nullptr;
    static R call(Args... args) {
        Timer timer;
        return original(std::forward<Args>(args)...);
    }
    static void install() {
        original = *Pointer;
        *Pointer = &call;
    }
};

#define ONDALITH_HOOK(name) Hook<&glad_##name, decltype(glad_##name)>::install()

}  // namespace

void installGLHooks() {
    ONDALITH_HOOK(glViewport);
    ONDALITH_HOOK(glClear);
    ONDALITH_HOOK(glActiveTexture);
    ONDALITH_HOOK(glBindTexture);
    ONDALITH_HOOK(glUseProgram);
    ONDALITH_HOOK(glGetUniformLocation);
    ONDALITH_HOOK(glUniform1f);
    ONDALITH_HOOK(glUniform3fv);
    ONDALITH_HOOK(glUniformMatrix4fv);
    ONDALITH_HOOK(glBindBuffer);
    ONDALITH_HOOK(glEnableVertexAttribArray);
    ONDALITH_HOOK(glVertexAttribPointer);
    ONDALITH_HOOK(glDrawElementsInstanced);
    // The texture set-up's.
    ONDALITH_HOOK(glGenTextures);
    ONDALITH_HOOK(glTexStorage2D);
    ONDALITH_HOOK(glTexSubImage2D);
    ONDALITH_HOOK(glTexParameteri);
}

double secondsInsideGL() { return inside; }

}  // namespace ondalith::bench
