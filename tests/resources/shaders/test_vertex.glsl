#version 130
// Three attributes and two uniforms, all active.
in vec4 position;
in vec2 Zeta;
in float alpha_b;
uniform mat4 model_projection;
out vec4 colour;
void main() {
    colour = vec4(Zeta, alpha_b, 1.0);
    gl_Position = model_projection * position;
}
//~
Everything after the marker is not GLSL and must never reach the compiler.
