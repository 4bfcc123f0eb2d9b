#version 130
in vec4 colour;
uniform vec4 tint;
out vec4 fragColour;
void main() {
    fragColour = colour * tint;
}
//~