#version 130
out vec4 fragColour;
void main() {
    fragColour = undefined_name;
}
//~
