#version 140
in vec4 position;
uniform mat4 model_world;
uniform mat4 world_projection;
uniform float iTime;
out vec4 color;
void main()
{
    float x = -75.0 + 1.5 * float(gl_InstanceID % 100);
    float y = -75.0 + 1.5 * float(gl_InstanceID / 100);
    vec4 p = model_world * (position * 0.5) + vec4(x, y, 0.0, 0.0);
    gl_Position = world_projection * p;
    color = vec4(0.4, 0.62, 0.7, 0.76);
}
//~
