#version 130
// The square picture fitted to the window's width and centred on its middle row; a
// window taller than wide shows the picture repeated above and below.
in vec2 fs_tex;

uniform sampler2D s;
uniform float viewportWidth;
uniform float viewportHeight;
uniform float iTime;
uniform float tile_top;

out vec4 fragColor;

const float zoom = 1.00;

void main()
{
    float ratio = viewportWidth / viewportHeight;
    float u = gl_FragCoord.x / viewportWidth - 0.5;
    float v = gl_FragCoord.y / viewportHeight - 0.5;
    v = v / ratio;
    v = v * zoom;
    fragColor = texture(s, vec2(u + 0.5, v + 0.5));
}
//~
