#version 140
// The cube's colour is all lit in the vertex stage.
in vec4 color;
in vec2 fs_tex;
out vec4 fragColor;

void main()
{
    fragColor = color;
}
//~
