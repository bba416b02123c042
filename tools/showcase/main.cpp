// Showcase of the generated level pieces, props and masks: renders each group with the
// placement the game uses (scale, pitch/yaw, height) and saves one picture per group.
// Usage (under X): asset_showcase <game tree> <output folder>
#include <irrlicht.h>

#include <GL/gl.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace irr;

namespace
{
const char* const kObjects = "gamedata/objects/";

//! Places the pieces of one group and owns nothing: the scene manager owns the nodes.
class Gallery
{
public:
    explicit Gallery(IrrlichtDevice* device) : m_device(device) {}

    scene::IMeshSceneNode* mesh(const std::string& file, const core::vector3df& position,
                                const core::vector3df& rotation, float scale = 0.2f)
    {
        scene::IAnimatedMesh* loaded = m_device->getSceneManager()->getMesh((std::string(kObjects) + file).c_str());
        if (!loaded)
        {
            std::fprintf(stderr, "showcase: cannot load %s\n", file.c_str());
            return nullptr;
        }
        scene::IMeshSceneNode* node = m_device->getSceneManager()->addMeshSceneNode(loaded, nullptr, -1, position,
                                                                                     rotation, core::vector3df(scale));
        node->setMaterialFlag(video::EMF_LIGHTING, false);
        return node;
    }

    void texture(scene::ISceneNode* node, const std::string& file, int material = -1)
    {
        if (!node)
            return;
        video::ITexture* t = m_device->getVideoDriver()->getTexture((std::string(kObjects) + file).c_str());
        if (material < 0)
            node->setMaterialTexture(0, t);
        else
            node->getMaterial(material).setTexture(0, t);
    }

    void transparent(scene::ISceneNode* node, int material, video::E_MATERIAL_TYPE type)
    {
        if (node && static_cast<u32>(material) < node->getMaterialCount())
            node->getMaterial(material).MaterialType = type;
    }

    scene::ISceneNode* cube(const core::vector3df& position, const core::vector3df& rotation,
                            const core::vector3df& scale, const std::string& file, bool alpha)
    {
        scene::ISceneNode* node = m_device->getSceneManager()->addCubeSceneNode(10, nullptr, -1, position, rotation, scale);
        node->setMaterialFlag(video::EMF_LIGHTING, false);
        texture(node, file);
        if (alpha)
            node->setMaterialType(video::EMT_TRANSPARENT_ALPHA_CHANNEL);
        return node;
    }

private:
    IrrlichtDevice* m_device;
};

void buildWalls(Gallery& g)
{
    // Side 1 of a cell at x: the panel on the cell's +z edge, facing -z (toward the camera).
    const char* meshes[7] = {"wall1.x", "wall2.x", "wall2.x", "wall3.x", "wall4.x", "wall2.x", "wall1.x"};
    const char* layer0[7] = {"", "", "QVWall5.png", "", "", "QVWall7.png", "QVWallBig2Lightversion.png"};
    for (int type = 1; type <= 7; ++type)
    {
        const float x = (type - 1) * 10.0f;
        const bool yUp = type == 4 || type == 5;
        auto* node = g.mesh(meshes[type - 1], {x, yUp ? 0.0f : 10.0f, 5}, {yUp ? 0.0f : -90.0f, 0, 0});
        if (layer0[type - 1][0])
            g.texture(node, layer0[type - 1]);
        g.cube({x, -5, 0}, {}, {1, 1, 1}, "QVBoden1.png", false);
    }
    // Bars, side 1, on the two cells to the right.
    g.mesh("git1.x", {75 - 2.5f, 0, 0 - 2.5f}, {});
    g.mesh("git2.x", {85 - 2.5f, 0, 0 - 2.5f}, {});
    g.cube({75, -5, 0}, {}, {1, 1, 1}, "QVBoden2.png", false);
    g.cube({85, -5, 0}, {}, {1, 1, 1}, "QVBoden2.png", false);
}

void buildDoors(Gallery& g)
{
    const char* doors[8] = {"door1.X", "door1_2.X", "door1_3.X", "door1_4.X", "door1_5.X", "door1_6.X", "door1_7.X", "door2.X"};
    for (int i = 0; i < 8; ++i)
    {
        auto* node = g.mesh(doors[i], {i * 12.0f, 0, 0}, {});
        g.transparent(node, 1, video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    }
}

void buildFloorsAndPanels(Gallery& g)
{
    const char* floors[5] = {"QVBoden1.png", "QVBoden2.png", "QVBoden3.png", "QVBoden4.png", "QVBoden4Uebergang.png"};
    for (int i = 0; i < 5; ++i)
        g.cube({i * 11.0f, -5, 0}, {0, i >= 3 ? 90.0f : 0.0f, 0}, {1, 1, 1}, floors[i], false);
    const char* panels[11] = {"QVBannerClear.png", "QVBanner1.png", "QVBanner2.png", "QVBanner3.png",
                              "QVBanner4.png",     "QVPuzzle2A.png", "QVPuzzle2D.png", "QVPuzzle2B.png",
                              "QVPuzzle2C.png",    "qvRelief1.png",  "qvRelief2.png"};
    for (int v = 0; v < 11; ++v)
    {
        const float sx = v >= 9 ? 1.1f : (v >= 5 ? 0.6f : 0.9f);
        g.cube({(v % 6) * 11.0f, 7 + (v / 6) * 11.0f, 20}, {}, {sx, 1, 1.1f}, panels[v], true);
    }
}

void buildProps(Gallery& g)
{
    g.mesh("topf1.X", {0, 0, 0}, {0, 45, 0});
    g.mesh("podest1.X", {12, 0, 0}, {});
    g.mesh("saule1.X", {24, 0, 0}, {});
    auto* ceiling = g.mesh("ceil.X", {36, 14, 0}, {});
    auto* lamp = g.mesh("light1.X", {0, -13, 0}, {}, 1.0f);
    if (ceiling && lamp)
    {
        lamp->setParent(ceiling);
        lamp->setMaterialType(video::EMT_TRANSPARENT_ADD_COLOR);
    }
    const float yaws[3] = {-135, -90, -45};
    for (int n = 1; n <= 3; ++n)
    {
        auto* stone = g.mesh("keystone.X", {44.0f + n * 6, 0, 0}, {-90, yaws[n - 1] + 135, 0}, 0.3f);
        g.texture(stone, "QVKeystone" + std::to_string(n) + (n == 2 ? "B.png" : "A.png"), 0);
    }
    const int veil[3] = {5, 6, 6};
    for (int n = 1; n <= 3; ++n)
    {
        auto* grave = g.mesh("grave_" + std::to_string(n) + ".X", {(n - 1) * 22.0f, 0, 30}, {});
        g.transparent(grave, veil[n - 1], video::EMT_TRANSPARENT_ADD_COLOR);
    }
    auto* map = g.mesh("map.X", {66, 2, 30}, {});
    if (map)
        map->setMaterialFlag(video::EMF_BACK_FACE_CULLING, false);
    g.mesh("kill1.X", {84, 0, 30}, {}, 0.05f);
    g.mesh("item_vio.X", {0, 7, -14}, {-90, 0, 0});
    g.mesh("item_bass.X", {8, 7, -14}, {-90, 270, 0});
    g.mesh("item_alt.X", {16, 7, -14}, {0, 0, 90});
    g.mesh("inst.X", {24, 6, -14}, {-90, 0, 0});
    g.mesh("hs.X", {34, 0, -14}, {});
    g.mesh("plat.X", {48, 0, -14}, {});
    g.mesh("plat2.X", {60, 0, -14}, {});
}

void buildMasks(Gallery& g)
{
    // Each turned to look at the camera (toward -z).
    g.mesh("mask1.x", {0, 6, 0}, {0, 270, 0});
    auto* mask2 = g.mesh("mask2.x", {10, 7, 0}, {-90, 0, 0}, 1.0f);
    if (mask2)
    {
        mask2->setScale({0.1f, 0.1f, 0.17f});
        auto* jaw = g.mesh("mask2_m.x", {10, 0, -15}, {-30, 0, 0}, 2.0f);
        if (jaw)
            jaw->setParent(mask2);
    }
    auto* mask3 = g.mesh("mask3.x", {20, 6, 0}, {-90, 0, 0}, 0.1f);
    if (mask3)
        mask3->setMaterialFlag(video::EMF_BACK_FACE_CULLING, false);
    g.mesh("mask4.x", {34, 0, 0}, {90, 180, 0}, 0.5f);
    auto* bubble = g.mesh("timebubble.x", {58, 3, 0}, {}, 0.2f);
    if (bubble)
        bubble->setMaterialFlag(video::EMF_BACK_FACE_CULLING, false);
}

struct Group
{
    const char* name;
    void (*build)(Gallery&);
    core::vector3df eye;
    core::vector3df target;
};

bool saveFrame(video::IVideoDriver* driver, const std::string& path)
{
    const core::dimension2du size = driver->getScreenSize();
    std::vector<unsigned char> pixels(size.Width * size.Height * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, size.Width, size.Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    video::IImage* image = driver->createImage(video::ECF_R8G8B8, size);
    for (u32 y = 0; y < size.Height; ++y)
        for (u32 x = 0; x < size.Width; ++x)
        {
            const unsigned char* p = &pixels[((size.Height - 1 - y) * size.Width + x) * 4];
            image->setPixel(x, y, video::SColor(255, p[0], p[1], p[2]));
        }
    const bool written = driver->writeImageToFile(image, path.c_str());
    image->drop();
    return written;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: asset_showcase <game tree> <output folder>\n");
        return 2;
    }
    const std::string output = std::filesystem::absolute(argv[2]).string();
    std::filesystem::create_directories(output);
    std::filesystem::current_path(argv[1]);

    const Group groups[] = {
        {"walls", buildWalls, {40, 26, -38}, {40, 7, 5}},
        {"doors", buildDoors, {42, 18, -40}, {42, 9, 0}},
        {"floors_panels", buildFloorsAndPanels, {28, 28, -26}, {28, 6, 12}},
        {"props", buildProps, {38, 26, -42}, {38, 4, 8}},
        {"masks", buildMasks, {28, 12, -26}, {28, 6, 0}},
    };
    int failures = 0;
    for (const Group& group : groups)
    {
        IrrlichtDevice* device = createDevice(video::EDT_OPENGL, core::dimension2du(1280, 720), 32);
        if (!device)
            return 1;
        Gallery gallery(device);
        group.build(gallery);
        scene::ICameraSceneNode* camera = device->getSceneManager()->addCameraSceneNode(nullptr, group.eye, group.target);
        camera->setFarValue(2000);
        video::IVideoDriver* driver = device->getVideoDriver();
        for (int frame = 0; frame < 3 && device->run(); ++frame)
        {
            driver->beginScene(true, true, video::SColor(255, 40, 40, 48));
            device->getSceneManager()->drawAll();
            if (frame == 2 && !saveFrame(driver, output + "/showcase_" + group.name + ".png"))
                ++failures;
            driver->endScene();
        }
        device->closeDevice();
        device->run();
        device->drop();
    }
    return failures == 0 ? 0 : 1;
}
