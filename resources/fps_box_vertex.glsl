#version 130
// The frame-rate box as one strip of two triangles placed from the vertex number
// alone, so that the box needs no vertex buffer of its own.
uniform ivec4 box;       // left, bottom, width, height in window pixels
uniform ivec4 viewport;  // as the frame set it

void main()
{
    vec2 corner = vec2(gl_VertexID & 1, gl_VertexID >> 1);
    vec2 pixel = vec2(box.xy) + corner * vec2(box.zw);
    gl_Position = vec4((pixel - vec2(viewport.xy)) / vec2(viewport.zw) * 2.0 - 1.0, 0.0, 1.0);
}
//~
