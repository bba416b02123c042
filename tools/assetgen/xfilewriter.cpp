#include "tools/assetgen/xfilewriter.h"

#include "tools/assetgen/mesh.h"
#include "tools/assetgen/outputfolder.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace assetgen
{
namespace
{
std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.4f", value == 0.0f ? 0.0f : value); // no "-0.0000"
    return text;
}

//! Writes `count` items as "item,\n ... item;" (the list separator of the format).
template <typename Write>
void writeList(std::ostream& out, size_t count, Write&& write)
{
    for (size_t i = 0; i < count; ++i)
    {
        out << "  ";
        write(i);
        out << (i + 1 < count ? ",\n" : ";\n");
    }
}

void writeFaces(std::ostream& out, const Mesh& mesh)
{
    out << "  " << mesh.triangles().size() << ";\n";
    writeList(out, mesh.triangles().size(), [&](size_t i) {
        const Triangle& t = mesh.triangles()[i];
        out << "3;" << t.a << "," << t.b << "," << t.c << ";";
    });
}

void writeMaterial(std::ostream& out, const std::string& texture)
{
    // Diffuse stays white: the shaders multiply by it.
    out << "  Material {\n   1.0;1.0;1.0;1.0;;\n   0.0;\n   0.0;0.0;0.0;;\n   0.0;0.0;0.0;;\n";
    if (!texture.empty())
        out << "   TextureFilename { \"" << texture << "\"; }\n";
    out << "  }\n";
}
} // namespace

bool writeXFile(const Mesh& mesh, const std::string& path)
{
    std::ostringstream out;
    out << "xof 0303txt 0032\n\nFrame Root {\n FrameTransformMatrix {\n"
           "  1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;;\n }\n"
           " Mesh Body {\n";
    const auto& vertices = mesh.vertices();
    out << "  " << vertices.size() << ";\n";
    writeList(out, vertices.size(), [&](size_t i) {
        const Vec3& p = vertices[i].position;
        out << number(p.x) << ";" << number(p.y) << ";" << number(p.z) << ";";
    });
    writeFaces(out, mesh);
    out << "  MeshNormals {\n  " << vertices.size() << ";\n";
    writeList(out, vertices.size(), [&](size_t i) {
        const Vec3& n = vertices[i].normal;
        out << number(n.x) << ";" << number(n.y) << ";" << number(n.z) << ";";
    });
    writeFaces(out, mesh);
    out << "  }\n  MeshTextureCoords {\n  " << vertices.size() << ";\n";
    writeList(out, vertices.size(), [&](size_t i) { out << number(vertices[i].u) << ";" << number(vertices[i].v) << ";"; });
    out << "  }\n  MeshMaterialList {\n  " << mesh.materials().size() << ";\n  " << mesh.triangles().size() << ";\n";
    writeList(out, mesh.triangles().size(), [&](size_t i) { out << mesh.triangles()[i].material; });
    for (const std::string& texture : mesh.materials())
        writeMaterial(out, texture);
    out << "  }\n }\n}\n";

    if (!makeParentFolder(path))
        return false;
    std::ofstream file(path, std::ios::binary);
    file << out.str();
    return static_cast<bool>(file);
}
} // namespace assetgen
