#version 130
in vec2 fs_tex;
uniform sampler2D s;
uniform float viewportWidth;
uniform float viewportHeight;
out vec4 fragColor;
void main()
{
    fragColor = texture(s, gl_FragCoord.xy / vec2(viewportWidth, viewportHeight));
}
//~
