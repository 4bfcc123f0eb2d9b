#version 130
in vec4 position;
in vec2 position_tex;
uniform mat4 model_projection;
out vec2 fs_tex;
void main()
{
    gl_Position = model_projection * position;
    fs_tex = position_tex;
}
//~
