#version 130
// Uses every matrix and uniform that the drawables send, so that all are active; with
// the tests' values the extra terms are zero.
in vec4 position;
uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;
uniform vec3 light_pos;
uniform float iTime;
uniform float tile_top;
uniform float tile_mode;
uniform float tile_angle;
uniform float viewportWidth;
uniform float viewportHeight;
void main() {
    float sum = light_pos.x + iTime + tile_top + tile_mode + tile_angle + viewportWidth + viewportHeight;
    float never = step(1.0e30, abs(sum));
    gl_Position = model_projection * position + never * (world_projection * model_world * position);
}
//~
