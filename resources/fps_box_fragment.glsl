#version 130
// The frame-rate box: light glyph dots on an opaque dark panel. Everything is worked
// out per pixel in whole numbers at a whole-number scale, so a screen pixel lies wholly
// inside or outside a dot: the text stays sharp and reads back exactly.
uniform sampler2D glyphs;  // one texel per dot, the glyphs side by side, row 0 their top row
uniform ivec4 box;         // left, bottom, width, height in window pixels
uniform int scale;         // screen pixels per dot
uniform ivec2 glyphSize;   // in dots
uniform ivec2 advance;     // dots to the next character and to the next line
uniform int padding;       // dots between the panel's edge and the text
uniform int columns;
uniform int lines;
uniform int text[40];      // the glyph of each character cell, line by line; -1 for none

out vec4 fragColor;

const vec4 panel = vec4(24.0 / 255.0, 24.0 / 255.0, 24.0 / 255.0, 1.0);
const vec4 ink = vec4(1.0);

void main()
{
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    int x = (pixel.x - box.x) / scale - padding;
    int y = (box.y + box.w - 1 - pixel.y) / scale - padding;  // dots down from the top
    fragColor = panel;
    if (x < 0 || y < 0) return;
    int column = x / advance.x;
    int line = y / advance.y;
    ivec2 dot = ivec2(x - column * advance.x, y - line * advance.y);
    if (column >= columns || line >= lines || dot.x >= glyphSize.x || dot.y >= glyphSize.y) return;
    int glyph = text[line * columns + column];
    if (glyph < 0) return;
    if (texelFetch(glyphs, ivec2(glyph * glyphSize.x + dot.x, dot.y), 0).r > 0.5) fragColor = ink;
}
//~
