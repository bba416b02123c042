#pragma once
// Small level assets written by the tests themselves: text .x meshes of
// double-sided quads, solid-colour textures, and an OpenGL device to draw them.

#include <irrlicht.h>

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace testlevel
{
//! Writes the text to path, creating its folders.
inline void writeTextFile(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct Quad
{
    irr::core::vector3df corners[4]; // in order around the quad
};

//! An upright quad in the x/y plane: x from -halfWidth to halfWidth, y from bottom to top.
inline Quad uprightQuad(irr::f32 halfWidth, irr::f32 bottom, irr::f32 top, irr::f32 z = 0.0f)
{
    return {{irr::core::vector3df(-halfWidth, bottom, z), irr::core::vector3df(halfWidth, bottom, z),
             irr::core::vector3df(halfWidth, top, z), irr::core::vector3df(-halfWidth, top, z)}};
}

//! A quad in the x/z plane at height y (a wall modelled lying on its back stands up at pitch -90).
inline Quad lyingQuad(irr::f32 halfWidth, irr::f32 halfDepth, irr::f32 y = 0.0f)
{
    return {{irr::core::vector3df(-halfWidth, y, -halfDepth), irr::core::vector3df(halfWidth, y, -halfDepth),
             irr::core::vector3df(halfWidth, y, halfDepth), irr::core::vector3df(-halfWidth, y, halfDepth)}};
}

//! A text .x mesh; quad i uses material i % materialCount, and every material
//! names texture (may be empty).
inline std::string xMesh(const std::vector<Quad>& quads, int materialCount, const std::string& texture)
{
    std::ostringstream x;
    x.imbue(std::locale::classic());
    x << "xof 0302txt 0032\nMesh piece {\n " << quads.size() * 4 << ";\n";
    for (size_t q = 0; q < quads.size(); ++q)
    {
        for (int c = 0; c < 4; ++c)
        {
            const irr::core::vector3df& p = quads[q].corners[c];
            x << " " << p.X << ";" << p.Y << ";" << p.Z << ";" << ((q + 1 == quads.size() && c == 3) ? ";" : ",")
              << "\n";
        }
    }
    // Both windings, so the quads show from either side.
    x << " " << quads.size() * 4 << ";\n";
    for (size_t q = 0; q < quads.size(); ++q)
    {
        const size_t v = q * 4;
        x << " 3;" << v << "," << v + 1 << "," << v + 2 << ";,\n";
        x << " 3;" << v << "," << v + 2 << "," << v + 3 << ";,\n";
        x << " 3;" << v << "," << v + 2 << "," << v + 1 << ";,\n";
        x << " 3;" << v << "," << v + 3 << "," << v + 2 << ";" << (q + 1 == quads.size() ? ";" : ",") << "\n";
    }
    x << " MeshTextureCoords {\n " << quads.size() * 4 << ";\n";
    const char* uv[4] = {"0.0;1.0;", "1.0;1.0;", "1.0;0.0;", "0.0;0.0;"};
    for (size_t q = 0; q < quads.size(); ++q)
        for (int c = 0; c < 4; ++c)
            x << " " << uv[c] << ((q + 1 == quads.size() && c == 3) ? ";" : ",") << "\n";
    x << " }\n MeshMaterialList {\n " << materialCount << ";\n " << quads.size() * 4 << ";\n";
    for (size_t q = 0; q < quads.size(); ++q)
        for (int f = 0; f < 4; ++f)
            x << " " << (q % static_cast<size_t>(materialCount)) << ((q + 1 == quads.size() && f == 3) ? ";" : ",")
              << "\n";
    for (int m = 0; m < materialCount; ++m)
    {
        x << " Material {\n 1.0;1.0;1.0;1.0;;\n 0.0;\n 0.0;0.0;0.0;;\n 0.0;0.0;0.0;;\n";
        if (!texture.empty())
            x << " TextureFilename {\n \"" << texture << "\";\n }\n";
        x << " }\n";
    }
    x << " }\n}\n";
    return x.str();
}

//! A solid texture with a darker frame, so edges show in screenshots.
inline bool writeTexture(irr::video::IVideoDriver* driver, const std::string& path, irr::video::SColor color)
{
    irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(16, 16));
    const irr::video::SColor frame(color.getAlpha(), color.getRed() / 2, color.getGreen() / 2, color.getBlue() / 2);
    for (irr::u32 y = 0; y < 16; ++y)
        for (irr::u32 x = 0; x < 16; ++x)
            image->setPixel(x, y, (x == 0 || y == 0 || x == 15 || y == 15) ? frame : color);
    const bool written = driver->writeImageToFile(image, path.c_str());
    image->drop();
    return written;
}

//! Every mesh and texture the level pieces name, below gamedata/objects/ of
//! the working directory. Grave meshes carry seven materials, door1.X two.
inline void writeLevelAssets(irr::video::IVideoDriver* driver)
{
    using irr::video::SColor;
    const std::string dir = "gamedata/objects/";
    const Quad lyingWall = lyingQuad(25.0f, 50.0f);      // stands up at pitch -90: 10 wide, 20 high
    const Quad standingWall = uprightQuad(25.0f, 0.0f, 100.0f);
    writeTextFile(dir + "wall1.x", xMesh({lyingWall}, 1, "stone1.png"));
    writeTextFile(dir + "wall2.x", xMesh({lyingWall}, 1, "stone2.png"));
    writeTextFile(dir + "wall3.x", xMesh({standingWall}, 1, "stone3.png"));
    writeTextFile(dir + "wall4.x", xMesh({standingWall}, 1, "stone4.png"));
    const Quad bars = uprightQuad(12.0f, 0.0f, 100.0f);
    writeTextFile(dir + "git1.x", xMesh({bars}, 1, "iron.png"));
    writeTextFile(dir + "git2.x", xMesh({bars}, 1, "iron.png"));
    const Quad door = uprightQuad(25.0f, 0.0f, 100.0f);
    const Quad doorFrame = uprightQuad(28.0f, 95.0f, 105.0f, -1.0f);
    for (const char* name : {"door1.X", "door1_2.X", "door1_3.X", "door1_4.X", "door1_5.X", "door1_6.X", "door1_7.X"})
        writeTextFile(dir + name, xMesh({door, doorFrame}, 2, "wood.png"));
    writeTextFile(dir + "door2.X", xMesh({door}, 1, "iron.png"));
    const Quad prop = uprightQuad(10.0f, 0.0f, 20.0f);
    for (const char* name : {"topf1.X", "podest1.X", "inst.X", "saule1.X", "ceil.X", "keystone.X", "map.X", "kill1.X",
                             "item_vio.X", "item_bass.X", "item_alt.X", "hs.X", "plat.X", "plat2.X", "light1.X"})
        writeTextFile(dir + name, xMesh({prop}, 1, "prop.png"));
    std::vector<Quad> graveParts;
    for (int i = 0; i < 7; ++i)
        graveParts.push_back(uprightQuad(10.0f, 3.0f * i, 3.0f * i + 3.0f));
    for (const char* name : {"grave_1.X", "grave_2.X", "grave_3.X"})
        writeTextFile(dir + name, xMesh(graveParts, 7, "prop.png"));

    writeTexture(driver, dir + "stone1.png", SColor(255, 150, 110, 90));
    writeTexture(driver, dir + "stone2.png", SColor(255, 120, 120, 140));
    writeTexture(driver, dir + "stone3.png", SColor(255, 90, 140, 90));
    writeTexture(driver, dir + "stone4.png", SColor(255, 140, 90, 140));
    writeTexture(driver, dir + "iron.png", SColor(255, 60, 60, 70));
    writeTexture(driver, dir + "wood.png", SColor(255, 140, 90, 40));
    writeTexture(driver, dir + "prop.png", SColor(255, 200, 180, 120));
    writeTexture(driver, dir + "fog.jpg", SColor(255, 90, 90, 110));
    // Surfaces in a few muted tones, so that neighbouring pieces tell apart in screenshots.
    const SColor tones[5] = {SColor(255, 130, 120, 100), SColor(255, 100, 110, 130), SColor(255, 140, 140, 140),
                             SColor(255, 150, 100, 80), SColor(255, 90, 120, 110)};
    int tone = 0;
    for (const char* name :
         {"QVBoden1.png", "QVBoden2.png", "QVBoden3.png", "QVBoden4.png", "QVBoden4Uebergang.png", "QVWall5.png",
          "QVWall7.png", "QVWallBig2Lightversion.png", "QVBannerClear.png", "QVBanner1.png", "QVBanner2.png",
          "QVBanner3.png", "QVBanner4.png", "QVPuzzle2A.png", "QVPuzzle2B.png", "QVPuzzle2C.png", "QVPuzzle2D.png",
          "qvRelief1.png", "qvRelief2.png", "QVKeystone1A.png", "QVKeystone2A.png", "QVKeystone3A.png",
          "QVWall6_2.png", "QVWall4CreepyEdition.png"})
        writeTexture(driver, dir + name, tones[tone++ % 5]);
    for (const char* name :
         {"QVBoden1_cm.png", "QVBoden2_cm.png", "QVBoden3_cm.png", "QVBoden4_cm.png", "QVBoden4Uebergang_cm.png",
          "QVWallBig2_cm.png", "QVWall3A2_cm.png", "QVWall6_cm.png", "QVSaeule_cm.png", "QVBanner1_cm.png",
          "QVBanner2_cm.png", "QVBanner3_cm.png", "QVPuzzle2A_cm.png", "QVPuzzle2B_cm.png", "QVPuzzle2C_cm.png",
          "QVPuzzle2D_cm.png", "qvRelief_cm.png", "qvRelief2_cm.png", "blocktuer1_cm.png", "tex_gittertuer_cm.png",
          "qv_topf1B_cm.png", "QVsaule1B_cm.png", "muschel_uv_b.png", "QVGraveQueen_cm.png", "QVGraveChild_cm.png",
          "GraveUnknown_cm.png", "QVMapBack2_cm.png", "qvHealing_cm.png", "Plattform_cm.png",
          "QVKeystone1A_cm.png", "QVKeystone2A_cm.png", "QVKeystone3A_cm.png"})
        writeTexture(driver, dir + name, SColor(255, 200, 200, 200));
}

//! Mesa unloads its driver at exit while blocks it allocated are still held
//! by the context; kept loaded, the leak checker sees them as reachable.
inline void keepGlDriverLoaded()
{
    static void* const driver = dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
    (void)driver;
}

//! An OpenGL device of that size (null when no display is available).
inline irr::IrrlichtDevice* createGlDevice(irr::u32 width, irr::u32 height)
{
    keepGlDriverLoaded();
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_OPENGL;
    params.WindowSize = irr::core::dimension2du(width, height);
    params.Bits = 32;
    params.ZBufferBits = 24;
    params.LoggingLevel = irr::ELL_ERROR;
    return irr::createDeviceEx(params);
}

//! An Irrlicht device on the null driver (no window).
inline irr::IrrlichtDevice* createNullDevice()
{
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.WindowSize = irr::core::dimension2du(640, 480);
    params.LoggingLevel = irr::ELL_NONE;
    return irr::createDeviceEx(params);
}
} // namespace testlevel
