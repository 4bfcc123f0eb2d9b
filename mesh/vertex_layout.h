#pragma once
// One vertex of a drawable's stream: 24 consecutive floats, offsets counted in floats.
#include <cstdint>

namespace ondalith {

struct VertexLayout {
    struct Attribute {
        const char* name;
        std::int32_t components;
        std::int32_t offset;
    };

    static constexpr std::int32_t kStrideFloats = 24;
    static constexpr Attribute kPosition{"position", 3, 0};
    static constexpr Attribute kTexCoord{"position_tex", 2, 3};
    static constexpr Attribute kNormal{"position_normal", 3, 5};
    static constexpr Attribute kTangent{"position_tangent", 3, 8};
    static constexpr Attribute kBitangent{"position_bitangent", 3, 11};
    static constexpr Attribute kAmbient{"material_ambient", 3, 14};
    static constexpr Attribute kDiffuse{"material_diffuse", 3, 17};
    // Ks, then Ns as the fourth component.
    static constexpr Attribute kSpecular{"material_specular", 4, 20};

    static constexpr Attribute kAll[8] = {kPosition, kTexCoord, kNormal,  kTangent,
                                          kBitangent, kAmbient, kDiffuse, kSpecular};
};

}  // namespace ondalith
