#include "mesh/obj_reader.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <new>

#include "mesh/obj_text.h"
#include "platform/resources.h"

namespace ondalith {
namespace {

using objl::Vector2;
using objl::Vector3;
using objl::Vertex;

Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The whole resource, NUL bytes included; a missing resource is an empty text.
bool copyText(std::uint16_t id, std::string& text) {
    const auto bytes = platform::findResource(platform::ResourceType::TextFile, id);
    try {
        if (bytes) text.assign(reinterpret_cast<const char*>(bytes->data), bytes->size);
        else text.clear();
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Up to n values of a v/vt/vn/Ka line. Missing or unreadable values are 0 and the entry is
// still kept, so that the indices of the entries after it keep their meaning.
void readValues(const std::vector<std::string>& pieces, float* out, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = 0.0f;
        if (i < pieces.size()) readFloat(pieces[i], out[i]);
    }
}

// Emits, in the order of the face's own list, the corner whose position is a, b or c.
// Each wanted position is taken at its first match, so a triangle always adds exactly
// three indices; one whose corners cannot be told apart by position adds none.
void emitTriangle(const std::vector<Vertex>& face, const Vector3& a, const Vector3& b, const Vector3& c,
                  std::vector<std::uint32_t>& out) {
    const Vector3 wanted[3] = {a, b, c};
    std::uint32_t found[3];
    for (int r = 0; r < 3; ++r) {
        std::size_t j = 0;
        while (j < face.size() && face[j].position != wanted[r]) ++j;
        if (j == face.size()) return;
        found[r] = static_cast<std::uint32_t>(j);
    }
    if (found[0] == found[1] || found[1] == found[2] || found[0] == found[2]) return;
    std::sort(found, found + 3);
    out.insert(out.end(), found, found + 3);
}

enum class CornerForm { Position, PositionTex, PositionNormal, PositionTexNormal };

// Everything one model load works with; nothing of it outlives the load.
struct ModelLoad {
    std::vector<Vector3> positions;
    std::vector<Vector2> texCoords;
    std::vector<Vector3> normals;
    std::string name;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    std::vector<std::string> materialNames;
    bool groupSeen = false;
    unsigned progress = 1000;

    bool hasFaces() const { return !indices.empty() && !vertices.empty(); }

    objl::Mesh takeMesh(std::string meshName) {
        objl::Mesh mesh;
        mesh.name = std::move(meshName);
        mesh.vertices.swap(vertices);
        mesh.indices.swap(indices);
        return mesh;
    }

    void writeProgress() const {
        std::cout << "\r- " << name << "\t| vertices > " << positions.size() << "\t| texcoords > "
                  << texCoords.size() << "\t| normals > " << normals.size() << "\t| triangles > "
                  << vertices.size() / 3;
        if (!materialNames.empty()) std::cout << "\t| material: " << materialNames.back();
    }

    // A face that refers to anything outside what was read so far (index 0 included) is
    // skipped whole: leaving out one corner would draw a different polygon. Empty corners
    // (from repeated blanks) are not corners. A corner of more than three parts keeps the
    // form of the corner before it; as the first corner it is read by its first three parts.
    bool buildFaceVertices(const std::string& line, std::vector<Vertex>& face, bool& allHaveNormals) const {
        allHaveNormals = true;
        bool haveForm = false;
        CornerForm form = CornerForm::Position;
        for (const std::string& corner : splitOn(lineTail(line), " ")) {
            const std::vector<std::string> parts = splitOn(corner, "/");
            if (parts.empty()) continue;
            if (parts.size() == 1) form = CornerForm::Position;
            else if (parts.size() == 2) form = CornerForm::PositionTex;
            else if (parts.size() == 3 || !haveForm)
                form = parts[1].empty() ? CornerForm::PositionNormal : CornerForm::PositionTexNormal;
            haveForm = true;

            Vertex v;
            std::size_t i = 0;
            if (!resolveIndex(positions.size(), parts[0], i)) return false;
            v.position = positions[i];
            if (form == CornerForm::PositionTex || form == CornerForm::PositionTexNormal) {
                if (!resolveIndex(texCoords.size(), parts[1], i)) return false;
                v.texCoord = texCoords[i];
            }
            if (form == CornerForm::PositionNormal || form == CornerForm::PositionTexNormal) {
                if (!resolveIndex(normals.size(), parts[2], i)) return false;
                v.normal = normals[i];
            } else {
                allHaveNormals = false;
            }
            face.push_back(v);
        }
        return true;
    }
};

}  // namespace

bool pointInTriangle(const Vector3& p, const Vector3& t1, const Vector3& t2, const Vector3& t3) {
    const Vector3 u = t2 - t1;
    const Vector3 v = t3 - t1;
    const Vector3 w = p - t1;
    const Vector3 n = cross(u, v);
    const float nn = dot(n, n);
    if (nn == 0.0f) return false;
    const float gamma = dot(cross(u, w), n) / nn;
    const float beta = dot(cross(w, v), n) / nn;
    const float alpha = 1.0f - beta - gamma;
    return alpha >= 0.0f && alpha <= 1.0f && beta >= 0.0f && beta <= 1.0f && gamma >= 0.0f && gamma <= 1.0f;
}

// Quadrilaterals split along their 1-3 diagonal; larger faces lose one ear at a time until
// four corners remain. Every corner clipped shrinks the working list, and a pass that clips
// nothing ends the face, so the work is bounded for any input.
std::vector<std::uint32_t> triangulateFace(const std::vector<Vertex>& face) {
    std::vector<std::uint32_t> out;
    const std::size_t k = face.size();
    if (k < 3) return out;
    if (k == 3) return {0, 1, 2};

    std::vector<Vertex> work = face;
    bool clipped = true;
    while (!work.empty() && clipped) {
        clipped = false;
        for (std::size_t i = 0; i < work.size(); ++i) {
            const Vector3 prev = work[i == 0 ? work.size() - 1 : i - 1].position;
            const Vector3 cur = work[i].position;
            const Vector3 next = work[i + 1 == work.size() ? 0 : i + 1].position;

            if (work.size() == 4) {
                emitTriangle(face, cur, prev, next, out);
                for (const Vertex& w : work) {
                    if (w.position != prev && w.position != cur && w.position != next) {
                        emitTriangle(face, prev, next, w.position, out);
                        break;
                    }
                }
                work.clear();
                break;
            }

            bool blocked = false;
            for (const Vertex& v : face) {
                if (v.position != prev && v.position != cur && v.position != next &&
                    pointInTriangle(v.position, prev, cur, next)) {
                    blocked = true;
                    break;
                }
            }
            if (blocked) continue;
            emitTriangle(face, cur, prev, next, out);
            // The first corner at cur's position; cur itself when no position equals
            // itself (NaN), so that the list always shrinks.
            std::size_t j = 0;
            while (j < i && work[j].position != cur) ++j;
            work.erase(work.begin() + static_cast<std::ptrdiff_t>(j));
            clipped = true;
            break;  // the next pass starts again at the first corner
        }
    }
    return out;
}

bool ObjReader::loadModel(std::uint16_t objResourceId, std::uint16_t mtlResourceId) {
    std::string objText;
    std::string mtlText;
    if (!copyText(objResourceId, objText)) return false;
    const bool haveMtl = copyText(mtlResourceId, mtlText);
    return readModel(objText, haveMtl ? &mtlText : nullptr);
}

bool ObjReader::loadMaterials(std::uint16_t mtlResourceId) {
    std::string text;
    if (!copyText(mtlResourceId, text)) return false;
    return loadMaterialsText(text);
}

bool ObjReader::loadModelText(const std::string& objText, const std::string& mtlText) {
    return readModel(objText, &mtlText);
}

namespace {

// "o" and "g" lines (and any line that starts with 'g'): a new mesh once the current
// one has faces.
void startGroup(ModelLoad& s, std::vector<objl::Mesh>& meshes, const std::string& line, const std::string& token) {
    const bool named = token == "o" || token == "g";
    if (!s.groupSeen) {
        s.groupSeen = true;
        s.name = named ? lineTail(line) : "unnamed";
    } else if (s.hasFaces()) {
        meshes.push_back(s.takeMesh(s.name));
        s.name = lineTail(line);
    } else {
        s.name = named ? lineTail(line) : "unnamed";
    }
    std::cout << '\n';
    s.progress = 0;
}

// "v", "vn" and "vt" lines.
void readVertexData(ModelLoad& s, const std::string& line, const std::string& token) {
    if (token == "vt") {
        float uv[2];
        readValues(splitOn(lineTail(line), " "), uv, 2);
        s.texCoords.push_back({uv[0], uv[1]});
        return;
    }
    float xyz[3];
    readValues(splitOn(lineTail(line), " "), xyz, 3);
    (token == "v" ? s.positions : s.normals).push_back({xyz[0], xyz[1], xyz[2]});
}

// "f" lines: the corners, a face normal where a corner has none, and the triangles,
// indexed both within the mesh and within the whole model.
void addFace(ModelLoad& s, ObjReader& model, const std::string& line) {
    std::vector<Vertex> face;
    bool allHaveNormals = true;
    if (!s.buildFaceVertices(line, face, allHaveNormals)) return;
    // A face of fewer than three corners has no plane; its vertices keep their normals.
    if (!allHaveNormals && face.size() >= 3) {
        const Vector3 n = cross(face[0].position - face[1].position, face[2].position - face[1].position);
        for (Vertex& v : face) v.normal = n;
    }
    s.vertices.insert(s.vertices.end(), face.begin(), face.end());
    model.allVertices.insert(model.allVertices.end(), face.begin(), face.end());
    const std::size_t k = face.size();
    for (std::uint32_t i : triangulateFace(face)) {
        s.indices.push_back(static_cast<std::uint32_t>(s.vertices.size() - k + i));
        model.allIndices.push_back(static_cast<std::uint32_t>(model.allVertices.size() - k + i));
    }
}

// "usemtl" lines: a mesh with faces so far is closed under its name and the first free
// number from 2.
void useMaterial(ModelLoad& s, std::vector<objl::Mesh>& meshes, const std::string& line) {
    s.materialNames.push_back(lineTail(line));
    if (s.hasFaces()) {
        int n = 2;
        auto taken = [&](const std::string& name) {
            return std::any_of(meshes.begin(), meshes.end(), [&](const objl::Mesh& m) { return m.name == name; });
        };
        while (taken(s.name + "_" + std::to_string(n))) ++n;
        meshes.push_back(s.takeMesh(s.name + "_" + std::to_string(n)));
    }
    s.progress = 0;
}

// Names bind to meshes by position; names beyond the last mesh have nothing to bind to.
void bindMaterials(const ModelLoad& s, std::vector<objl::Mesh>& meshes, const std::vector<objl::Material>& materials) {
    const std::size_t bound = std::min(s.materialNames.size(), meshes.size());
    for (std::size_t i = 0; i < bound; ++i) {
        for (const objl::Material& m : materials) {
            if (m.name == s.materialNames[i]) {
                meshes[i].material = m;
                break;
            }
        }
    }
}

}  // namespace

bool ObjReader::readModel(const std::string& objText, const std::string* mtlText) {
    meshes.clear();
    allVertices.clear();
    allIndices.clear();
    ModelLoad s;

    forEachLine(objText, [&](const std::string& raw) {
        const std::string line = dropCarriageReturns(raw);
        s.progress = (s.progress + 1) % 1000;
        if (s.progress == 1 && !s.name.empty()) s.writeProgress();

        const std::string token = leadingToken(line);
        if (token == "o" || token == "g" || (!line.empty() && line[0] == 'g')) startGroup(s, meshes, line, token);
        if (token == "v" || token == "vn" || token == "vt") readVertexData(s, line, token);
        if (token == "f") addFace(s, *this, line);
        if (token == "usemtl") useMaterial(s, meshes, line);
        if (token == "mtllib" && mtlText) loadMaterialsText(*mtlText);
    });

    std::cout << '\n';
    if (s.hasFaces()) meshes.push_back(s.takeMesh(s.name));
    bindMaterials(s, meshes, materials);
    return !(meshes.empty() && allVertices.empty() && allIndices.empty());
}

bool ObjReader::loadMaterialsText(const std::string& text) {
    objl::Material current;
    bool seen = false;
    forEachLine(text, [&](const std::string& line) {
        const std::string token = leadingToken(line);
        if (token == "newmtl") {
            if (seen) {
                materials.push_back(current);
                current = objl::Material();
            }
            seen = true;
            current.name = line.size() > 7 ? trimLineEnd(lineTail(line)) : "none";
        } else if (token == "Ka" || token == "Kd" || token == "Ks") {
            const std::vector<std::string> pieces = splitOn(lineTail(line), " ");
            if (pieces.size() != 3) return;
            float xyz[3];
            readValues(pieces, xyz, 3);
            objl::Vector3& colour = token == "Ka" ? current.Ka : token == "Kd" ? current.Kd : current.Ks;
            colour = {xyz[0], xyz[1], xyz[2]};
        } else if (token == "Ns") {
            readFloat(lineTail(line), current.Ns);
        } else if (token == "Ni") {
            readFloat(lineTail(line), current.Ni);
        } else if (token == "d") {
            readFloat(lineTail(line), current.d);
        } else if (token == "illum") {
            readInt(lineTail(line), current.illum);
        } else if (token == "map_Ka") {
            current.map_Ka = lineTail(line);
        } else if (token == "map_Kd") {
            current.map_Kd = lineTail(line);
        } else if (token == "map_Ks") {
            current.map_Ks = lineTail(line);
        } else if (token == "map_Ns") {
            current.map_Ns = lineTail(line);
        } else if (token == "map_d") {
            current.map_d = lineTail(line);
        } else if (token == "map_Bump" || token == "map_bump" || token == "bump") {
            current.map_bump = lineTail(line);
        }
    });
    materials.push_back(current);
    return true;
}

}  // namespace ondalith
