#version 140
// One rounded cube of the 100 x 100 field per instance. Everything that moves is a
// function of the instance index and iTime: a ridge sweeps the field every 15 s, and
// behind it the cubes take the heights of the next picture of the 4 x 4 atlas.

in vec4 position;
in vec2 position_tex;
in vec3 position_normal;
in vec3 position_tangent;
in vec3 position_bitagent;
in vec3 material_ambient;
in vec3 material_diffuse;
in vec4 material_specular;

uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;
uniform vec3 light_pos;
uniform float iTime;
uniform sampler2D s;

out vec4 color;
out vec2 fs_tex;

// Texture origin of atlas tile k: column k mod 4 from the left, row k div 4 from the top.
const float tile_left[16] = float[16](0.0, 0.25, 0.5, 0.75, 0.0, 0.25, 0.5, 0.75,
                                      0.0, 0.25, 0.5, 0.75, 0.0, 0.25, 0.5, 0.75);
const float tile_top[16] = float[16](0.0, 0.0, 0.0, 0.0, 0.25, 0.25, 0.25, 0.25,
                                     0.5, 0.5, 0.5, 0.5, 0.75, 0.75, 0.75, 0.75);

const vec3 ambient = vec3(0.52, 0.81, 0.92);
const vec3 diffuse_color = vec3(1.0, 1.0, 1.0);
const vec3 specular_color = vec3(1.0, 1.0, 1.0);
const float specular_exponent = 1.0;

// Red of tile k at the cube's place: column 26 samples 0.005 into the tile from its
// left edge, row 74 samples 0.005 below its top edge, so the picture stands upright.
float tile_height(int k, int ix, int iy)
{
    vec2 uv = vec2(tile_left[k] + float(ix - 25) / 200.0,
                   1.0 - tile_top[k] - float(75 - iy) / 200.0);
    return textureLod(s, uv, 0.0).r;
}

void main()
{
    int instance_x = gl_InstanceID % 100;
    int instance_y = gl_InstanceID / 100;
    float x_shift = -75.0 + 1.5 * float(instance_x);
    float y_shift = -75.0 + 1.5 * float(instance_y);

    // Whole passes of 15 s. A divided float may land a hair below a whole number, so
    // the truncated quotient is settled against exact multiples of 15.
    int pass_count = int(iTime / 15.0);
    if (float(pass_count + 1) * 15.0 <= iTime) pass_count += 1;
    if (pass_count > 0 && float(pass_count) * 15.0 > iTime) pass_count -= 1;
    int pass_count_cycle = pass_count % 16;
    int pass_count_next = pass_count + 1;
    int pass_count_cycle_next = pass_count_next % 16;
    bool first_cycle = iTime < 15.0;

    float height_texture = 0.0;
    float height_texture_next = 0.0;
    if (instance_x > 25 && instance_x < 75 && instance_y > 25 && instance_y < 75) {
        height_texture = tile_height(pass_count_cycle, instance_x, instance_y);
        height_texture_next = tile_height(pass_count_cycle_next, instance_x, instance_y);
    }
    // Nothing stands before the very first wave.
    if (first_cycle) height_texture = 0.0;

    bool down_wave = pass_count_cycle % 2 == 0;
    float pass_time = iTime - float(pass_count) * 15.0;
    float wave_y = down_wave ? 75.0 - pass_time * 10.0 : -75.0 + pass_time * 10.0;

    float wave_distance = abs(y_shift - wave_y);
    float height_wave = 0.0;
    if (wave_distance < 8.0) {
        float ridge = clamp((8.0 - wave_distance) / 8.0, 0.0, 1.0);
        height_wave = 2.0 * ridge * ridge * (3.0 - 2.0 * ridge)
                    * (1.0 - abs(float(instance_x - 50)) / 50.0);
    }

    float height = height_wave;
    if (height_texture > 0.01 || height_texture_next > 0.01) {
        // A row the wave has reached, or already left behind, shows the next picture.
        bool before_wave = down_wave ? wave_y > y_shift : wave_y < y_shift;
        height = max(before_wave ? height_texture : height_texture_next, height_wave);
    }

    float flicker = 0.7 + 0.3 * abs(sin(2.0 * iTime + 1.8 * float(instance_x) + 1.7 * float(instance_y)));
    float z_shift = height * 2.5 * flicker;

    // w stays 0.5, so the projected cube is twice the size of its shifted model.
    vec4 P = model_world * (position * 0.5) + vec4(x_shift, y_shift, z_shift, 0.0);
    gl_Position = world_projection * P;

    vec3 N = normalize((model_world * vec4(position_normal, 0.0)).xyz);
    vec3 L = normalize(light_pos - P.xyz);
    vec3 V = normalize(-P.xyz);
    vec3 R = reflect(-L, N);

    vec3 diffuse = max(dot(N, L), 0.0) * diffuse_color;
    vec3 specular = pow(max(dot(R, V), 0.0), specular_exponent) * specular_color;
    vec4 color_max = 1.9 * vec4(ambient + diffuse + specular, 1.0);
    if (height > 0.0) color_max.g *= flicker;
    color = color_max * (0.4 + 0.6 * height);

    // Light beyond the ambient tone turns the colour towards yellow.
    vec4 uplight = clamp(color - vec4(ambient, 1.0), 0.0, 1.0);
    float uplight_len = uplight.r + uplight.g + uplight.b;
    color.r -= 0.1 * uplight_len;
    color.g += 0.1 * uplight_len;
    color.b -= 0.7 * uplight_len;

    fs_tex = position_tex;
}
//~
