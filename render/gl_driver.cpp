#include "render/gl_driver.h"

#include <glad/gl.h>  // before GLFW, which then leaves out the system GL header
#include <GLFW/glfw3.h>

namespace ondalith {

GLVersion driverGLVersion() {
    if (!glad_glGetString) return {0, 0};
    return parseGLVersion(reinterpret_cast<const char*>(glGetString(GL_VERSION)));
}

// Keep in step with the code: a call missing here goes unchecked, and a driver without
// it would be called through a null pointer (the source check in the tests compares).
#define ONDALITH_ENTRY(name) EntryPoint{#name, glad_##name != nullptr}
std::vector<EntryPoint> calledEntryPoints() {
    return {
        ONDALITH_ENTRY(glActiveTexture),   ONDALITH_ENTRY(glAttachShader),
        ONDALITH_ENTRY(glBindBuffer),      ONDALITH_ENTRY(glBindTexture),
        ONDALITH_ENTRY(glBindVertexArray), ONDALITH_ENTRY(glBlendFunc),
        ONDALITH_ENTRY(glBufferData),      ONDALITH_ENTRY(glClear),
        ONDALITH_ENTRY(glCompileShader),   ONDALITH_ENTRY(glCreateProgram),
        ONDALITH_ENTRY(glCreateShader),    ONDALITH_ENTRY(glCullFace),
        ONDALITH_ENTRY(glDeleteProgram),   ONDALITH_ENTRY(glDeleteShader),
        ONDALITH_ENTRY(glDepthRange),      ONDALITH_ENTRY(glDisable),
        ONDALITH_ENTRY(glDrawArrays),      ONDALITH_ENTRY(glDrawElementsInstanced),
        ONDALITH_ENTRY(glEnable),          ONDALITH_ENTRY(glEnableVertexAttribArray),
        ONDALITH_ENTRY(glFrontFace),       ONDALITH_ENTRY(glGenBuffers),
        ONDALITH_ENTRY(glGenTextures),     ONDALITH_ENTRY(glGenVertexArrays),
        ONDALITH_ENTRY(glGetAttribLocation), ONDALITH_ENTRY(glGetIntegerv),
        ONDALITH_ENTRY(glGetShaderInfoLog), ONDALITH_ENTRY(glGetShaderiv),
        ONDALITH_ENTRY(glGetString),       ONDALITH_ENTRY(glGetUniformLocation),
        ONDALITH_ENTRY(glIsEnabled),       ONDALITH_ENTRY(glLinkProgram),
        ONDALITH_ENTRY(glShaderSource),    ONDALITH_ENTRY(glTexParameteri),
        ONDALITH_ENTRY(glTexStorage2D),    ONDALITH_ENTRY(glTexSubImage2D),
        ONDALITH_ENTRY(glUniform1f),       ONDALITH_ENTRY(glUniform1i),
        ONDALITH_ENTRY(glUniform1iv),      ONDALITH_ENTRY(glUniform2i),
        ONDALITH_ENTRY(glUniform3fv),      ONDALITH_ENTRY(glUniform4i),
        ONDALITH_ENTRY(glUniformMatrix4fv), ONDALITH_ENTRY(glUseProgram),
        ONDALITH_ENTRY(glVertexAttribPointer), ONDALITH_ENTRY(glViewport),
    };
}
#undef ONDALITH_ENTRY

void loadResetStatusEntry() {
    if (glad_glGetGraphicsResetStatus) return;
    const char* name = glfwExtensionSupported("GL_KHR_robustness")   ? "glGetGraphicsResetStatus"
                       : glfwExtensionSupported("GL_ARB_robustness") ? "glGetGraphicsResetStatusARB"
                                                                     : nullptr;
    // Same signature in all three forms.
    if (name) glad_glGetGraphicsResetStatus = reinterpret_cast<PFNGLGETGRAPHICSRESETSTATUSPROC>(glfwGetProcAddress(name));
}

bool contextWasReset() { return glad_glGetGraphicsResetStatus && glGetGraphicsResetStatus() != GL_NO_ERROR; }

}  // namespace ondalith
