#version 130
// A rectangle far behind the cubes; the fragment stage decides which texel shows.
in vec4 position;
in vec2 position_tex;
in vec3 position_normal;

uniform mat4 model_projection;
uniform mat4 model_world;
uniform mat4 world_projection;

out vec2 fs_tex;

void main()
{
    gl_Position = model_projection * position;
    fs_tex = position_tex;
}
//~
