// The same program as on Linux; on Windows its notices are message boxes.
#include "tests/tools/x11/broken_shader_program.cpp"
