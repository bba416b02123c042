#include "tools/assetgen/assettable.h"

#include "tools/assetgen/effecttextures.h"
#include "tools/assetgen/fontfiles.h"
#include "tools/assetgen/fontimages.h"
#include "tools/assetgen/guipictures.h"
#include "tools/assetgen/levelmeshes.h"
#include "tools/assetgen/maplayout.h"
#include "tools/assetgen/maskmeshes.h"
#include "tools/assetgen/masktextures.h"
#include "tools/assetgen/music.h"
#include "tools/assetgen/paneltextures.h"
#include "tools/assetgen/propmeshes.h"
#include "tools/assetgen/soundeffects.h"
#include "tools/assetgen/stonetextures.h"
#include "tools/assetgen/titlepictures.h"
#include "tools/assetgen/tonecolours.h"
#include "tools/assetgen/tones.h"
#include "tools/assetgen/xfilewriter.h"

#include "code/src/songs/songtable.h"
#include "platform/textfile.h"

#include <memory>
#include <ostream>

namespace assetgen
{
AssetContext::AssetContext(const std::string& outputRoot, const std::string& layout, const std::string& songsFile,
                           std::ostream& errors)
    : root(outputRoot), layoutFile(layout), songs(songsFile), log(errors), mono(fontfiles::kMono), serif(fontfiles::kSerifBold), script(fontfiles::kScript)
{
}

namespace
{
const std::string kObjects = "gamedata/objects/";
const std::string kGui = "gamedata/gui/";
const std::string kMusic = "gamedata/music/";
const std::string kSounds = "sounds/";
//! The first song, shown wherever a picture carries a melody of its own.
constexpr Belgarune::SongId kPrelude = Belgarune::SongId::Prelude;

using CanvasRecipe = std::function<Canvas(AssetContext&)>;

//! The recipe painted once per run, however many files are made from it.
CanvasRecipe shared(CanvasRecipe recipe)
{
    const auto paint = std::make_shared<const CanvasRecipe>(std::move(recipe));
    return [paint](AssetContext& context) {
        auto found = context.sharedCanvases.find(paint.get());
        if (found == context.sharedCanvases.end())
            found = context.sharedCanvases.emplace(paint.get(), (*paint)(context)).first;
        return found->second;
    };
}

AssetEntry picture(const std::string& path, PixelFormat format, CanvasRecipe recipe,
                   AssetFamily family = AssetFamily::Image)
{
    return {path, family, [format, recipe](AssetContext& context, const std::string& target) {
                return context.images.write(recipe(context), target, format);
            }};
}

AssetEntry opaque(const std::string& path, CanvasRecipe recipe) { return picture(path, PixelFormat::Opaque, recipe); }
AssetEntry withAlpha(const std::string& path, CanvasRecipe recipe)
{
    return picture(path, PixelFormat::WithAlpha, recipe);
}

//! A surface at `path` and its colour map, derived by `derive` and written opaque at `colourMapPath`;
//! painted once.
void withColourMap(std::vector<AssetEntry>& table, const std::string& path, const std::string& colourMapPath,
                   CanvasRecipe surface, PixelFormat format = PixelFormat::Opaque,
                   Canvas (*derive)(const Canvas&) = colourMap)
{
    const CanvasRecipe once = shared(std::move(surface));
    table.push_back(picture(path, format, once));
    table.push_back(opaque(colourMapPath, [once, derive](AssetContext& c) { return derive(once(c)); }));
}

//! A surface and its colour map ("<name>.png" and "<name>_cm.png").
void surfaceWithColourMap(std::vector<AssetEntry>& table, const std::string& name, CanvasRecipe surface,
                          PixelFormat format = PixelFormat::Opaque)
{
    withColourMap(table, kObjects + name + ".png", kObjects + name + "_cm.png", std::move(surface), format);
}

AssetEntry mesh(const std::string& path, std::function<Mesh()> recipe)
{
    return {kObjects + path, AssetFamily::Mesh,
            [recipe](AssetContext&, const std::string& target) { return writeXFile(recipe(), target); }};
}

AssetEntry wav(const std::string& path, std::function<Sound()> recipe, AssetFamily family = AssetFamily::Sound)
{
    return {path, family, [recipe](AssetContext&, const std::string& target) { return writeWav(recipe(), target); }};
}

AssetEntry ogg(const std::string& path, std::function<Piece(const SongSource&)> piece)
{
    constexpr float kVorbisQuality = 0.4f;
    return {kMusic + path, AssetFamily::Music, [piece](AssetContext& context, const std::string& target) {
                return writeOggVorbis(render(piece(context.songs)), target, kVorbisQuality);
            }};
}

// ---- stone styles ---------------------------------------------------------------------------

StoneStyle floorStyle(std::uint32_t seed, const Colour& stone, StoneLayout layout, int columns, int rows)
{
    StoneStyle style;
    style.seed = seed;
    style.stone = stone;
    style.layout = layout;
    style.columns = columns;
    style.rows = rows;
    return style;
}

StoneStyle wallStyle(std::uint32_t seed, const Colour& stone, int columns, int rows)
{
    StoneStyle style = floorStyle(seed, stone, StoneLayout::Blocks, columns, rows);
    style.height = 512;
    style.jointWidth = 0.025f;
    return style;
}

const StoneStyle kFloorSand = floorStyle(11, rgb(150, 128, 100), StoneLayout::Blocks, 2, 2);
const StoneStyle kFloorSlate = floorStyle(12, rgb(95, 108, 125), StoneLayout::Slabs, 3, 3);
const StoneStyle kFloorGrey = floorStyle(13, rgb(120, 120, 120), StoneLayout::Blocks, 1, 1);
const StoneStyle kFloorDark = floorStyle(14, rgb(38, 32, 44), StoneLayout::Slabs, 4, 4);
const StoneStyle kWallBig = wallStyle(21, rgb(118, 106, 92), 2, 4);
const StoneStyle kWallBrick = wallStyle(22, rgb(110, 98, 90), 3, 8);
const StoneStyle kWallDeep = wallStyle(23, rgb(92, 90, 100), 2, 6);
const StoneStyle kWallOld = wallStyle(24, rgb(98, 96, 84), 3, 7);

CanvasRecipe stone(const StoneStyle& style)
{
    return [style](const AssetContext&) { return stoneSurface(style); };
}

CanvasRecipe grained(const GrainStyle& style)
{
    return [style](const AssetContext&) { return grainedSurface(style); };
}

// seed, size, base, streak, vertical streaks, growth bands
const GrainStyle kIron{31, 256, rgb(55, 52, 50), rgb(105, 95, 85), true, 0};
const GrainStyle kRust{32, 256, rgb(70, 45, 30), rgb(120, 80, 50), false, 0};
const GrainStyle kGold{33, 256, rgb(150, 110, 30), rgb(250, 215, 110), true, 0};
const GrainStyle kWood{34, 256, rgb(70, 45, 25), rgb(120, 85, 50), true, 3};
const GrainStyle kClay{35, 256, rgb(120, 65, 40), rgb(165, 100, 60), false, 5};
const GrainStyle kShell{36, 256, rgb(210, 170, 160), rgb(250, 230, 215), false, 7};
const GrainStyle kCeiling{37, 128, rgb(20, 18, 18), rgb(45, 40, 38), true, 0};
const GrainStyle kCrystal{38, 256, rgb(40, 140, 90), rgb(170, 255, 200), true, 0};
const GrainStyle kPaper{39, 256, rgb(150, 125, 85), rgb(200, 180, 135), false, 0};

// ---- families -----------------------------------------------------------------------------

void addFonts(std::vector<AssetEntry>& table)
{
    table.push_back(picture("Talvoren/systemFont.bmp", PixelFormat::Opaque,
                            [](const AssetContext& c) { return bitmapFont(c.mono, BitmapFontLayout{}); },
                            AssetFamily::Font));
    table.push_back(picture(kObjects + "font.png", PixelFormat::WithAlpha,
                            [](const AssetContext& c) { return letterAtlas(c.serif, LetterAtlasStyle{false}); },
                            AssetFamily::Font));
    table.push_back(picture(kObjects + "font2.png", PixelFormat::WithAlpha,
                            [](const AssetContext& c) { return letterAtlas(c.serif, LetterAtlasStyle{true}); },
                            AssetFamily::Font));
}

//! The menu's card of a learned song, its notes as songs.txt writes them; fails for a song it lacks.
AssetEntry songCard(const Belgarune::SongFacts& card)
{
    const Belgarune::SongId id = card.id;
    const char* const name = card.name;
    return {card.menuPicture, AssetFamily::Image, [id, name](AssetContext& context, const std::string& target) {
                const std::vector<int> tones = context.songs.melody(id);
                if (tones.empty())
                {
                    context.log << "assetgen: songs.txt has no notes for song " << static_cast<int>(id) << "\n";
                    return false;
                }
                return context.images.write(songPlate(context.script, name, tones), target,
                                            PixelFormat::Opaque);
            }};
}

void addTitlePictures(std::vector<AssetEntry>& table)
{
    table.push_back(withAlpha("talvoren/logo.png", [](const AssetContext& c) { return engineLogo(c.serif); }));
    table.push_back(opaque("gamedata/tq_logo.png",
                           [](const AssetContext& c) { return gameSplash(c.script, c.songs.melody(kPrelude)); }));
    table.push_back(opaque("gamedata/irr_logo.png",
                           [](const AssetContext& c) { return engineSplash(c.serif, c.mono); }));
    table.push_back(opaque("gamedata/klang_logo.png",
                           [](const AssetContext& c) { return soundSplash(c.serif, c.mono); }));
    table.push_back(withAlpha(kGui + "QVTitle.png", [](const AssetContext& c) { return titleLettering(c.script); }));
    table.push_back(opaque("gamedata/QVStrichMenu.png", [](const AssetContext&) { return menuOrnament(41); }));
    for (irr::u32 card = 0; const Belgarune::SongFacts* song = Belgarune::songCard(card); ++card)
        table.push_back(songCard(*song));
}

void addGuiPictures(std::vector<AssetEntry>& table)
{
    table.push_back(withAlpha(kGui + "hp.png", [](const AssetContext&) { return heartPair(); }));
    table.push_back(withAlpha(kGui + "d1.png", [](const AssetContext&) { return deathOverlay(42); }));
    table.push_back(withAlpha(kGui + "key1.png", [](const AssetContext& c) { return clefBar(c.serif); }));
    table.push_back(withAlpha(kGui + "lines.png", [](const AssetContext&) { return staffLines(true); }));
    table.push_back(withAlpha(kGui + "lines2.png", [](const AssetContext&) { return staffLines(false); }));
    const char* const noteNames[kToneCount] = {"purple", "blue", "green", "yellow", "red"};
    for (int tone = 0; tone < kToneCount; ++tone)
        table.push_back(withAlpha(kGui + "ColorNote" + noteNames[tone] + ".png",
                                  [tone](const AssetContext&) { return noteHead(toneColour(tone)); }));
    table.push_back(withAlpha(kObjects + "QVMapBack.png", [](const AssetContext&) { return mapFrame(43); }));
}

void addFloorsAndWalls(std::vector<AssetEntry>& table)
{
    const CanvasRecipe sand = shared(stone(kFloorSand));
    const CanvasRecipe darkened =
        shared([](const AssetContext&) { return creepingDarkness(stoneSurface(kFloorDark), 15); });
    surfaceWithColourMap(table, "QVBoden1", sand);
    surfaceWithColourMap(table, "QVBoden2", stone(kFloorSlate));
    surfaceWithColourMap(table, "QVBoden3", [](const AssetContext&) {
        return engravedRings(stoneSurface(kFloorGrey), rgb(200, 200, 215));
    });
    surfaceWithColourMap(table, "QVBoden4", darkened);
    surfaceWithColourMap(table, "QVBoden4Uebergang",
                         [sand, darkened](AssetContext& c) { return edgeTransition(darkened(c), sand(c)); });

    const CanvasRecipe big = shared(stone(kWallBig));
    const CanvasRecipe brick = shared(stone(kWallBrick));
    const CanvasRecipe deep = shared(stone(kWallDeep));
    const CanvasRecipe old = shared(stone(kWallOld));
    surfaceWithColourMap(table, "QVWallBig2", big);
    table.push_back(opaque(kObjects + "QVWallBig2Lightversion.png",
                           [big](AssetContext& c) { return brightened(big(c), 1.5f); }));
    surfaceWithColourMap(table, "QVWall3A2", brick);
    table.push_back(opaque(kObjects + "QVWall5.png", [brick](AssetContext& c) {
        return overgrown(brick(c), rgb(60, 100, 40), 51);
    }));
    table.push_back(opaque(kObjects + "QVWall7.png", [old](AssetContext& c) {
        return engravedRings(old(c), rgb(150, 140, 120));
    }));
    table.push_back(opaque(kObjects + "QVWall4.png", deep));
    table.push_back(opaque(kObjects + "QVWall4CreepyEdition.png",
                           [deep](AssetContext& c) { return creepingDarkness(deep(c), 52); }));
    surfaceWithColourMap(table, "QVWall6", old);
    table.push_back(opaque(kObjects + "QVWall6_2.png",
                           [old](AssetContext& c) { return creepingDarkness(old(c), 53); }));

    table.push_back(mesh("wall1.x", [] { return wallPanel(PanelFrame::ZUp, "QVWallBig2.png"); }));
    table.push_back(mesh("wall2.x", [] { return wallPanel(PanelFrame::ZUp, "QVWall3A2.png"); }));
    table.push_back(mesh("wall3.x", [] { return wallPanel(PanelFrame::YUp, "QVWall4.png"); }));
    table.push_back(mesh("wall4.x", [] { return wallPanel(PanelFrame::YUp, "QVWall6.png"); }));
}

void addBarsAndDoors(std::vector<AssetEntry>& table)
{
    surfaceWithColourMap(table, "QVSaeule", stone(floorStyle(61, rgb(140, 135, 125), StoneLayout::Blocks, 1, 4)));
    table.push_back(opaque(kObjects + "QVGitter.png", grained(kIron)));
    table.push_back(mesh("git1.x", [] { return bars(BarsStyle{}, "QVGitter.png"); }));
    BarsStyle heavyBars;
    heavyBars.bars = 5, heavyBars.radius = 2.4f, heavyBars.crossBars = 3, heavyBars.square = true;
    table.push_back(mesh("git2.x", [heavyBars] { return bars(heavyBars, "QVGitter.png"); }));

    surfaceWithColourMap(table, "blocktuer1", stone(wallStyle(62, rgb(105, 95, 110), 1, 3)));
    // Variant 5 has no veil: its arch is walled up with the pillars' lighter stone.
    const VeilShape shapes[7] = {VeilShape::Arch, VeilShape::Circle, VeilShape::Diamond, VeilShape::Cross,
                                 VeilShape::Arch, VeilShape::Rune,   VeilShape::Arch};
    const Colour veilColours[7] = {rgb(120, 80, 255), toneColour(1), toneColour(2), toneColour(3),
                                   {},                toneColour(4), toneColour(0)};
    for (int variant = 1; variant <= 7; ++variant)
    {
        const std::string suffix = variant == 1 ? "" : "_" + std::to_string(variant);
        const DoorSeal seal = variant == 5 ? DoorSeal::Masonry : DoorSeal::Veil;
        const std::string sealTexture =
            seal == DoorSeal::Veil ? "doorveil" + std::to_string(variant) + ".png" : "QVSaeule.png";
        if (seal == DoorSeal::Veil)
            table.push_back(withAlpha(kObjects + sealTexture, [variant, veilColours](const AssetContext&) {
                return doorVeil(variant, veilColours[variant - 1]);
            }));
        const VeilShape shape = shapes[variant - 1];
        table.push_back(mesh("door1" + suffix + ".X", [shape, sealTexture, seal] {
            return blockingDoor(shape, "blocktuer1.png", sealTexture, seal);
        }));
    }
    surfaceWithColourMap(table, "tex_gittertuer", grained(kRust));
    table.push_back(mesh("door2.X", [] { return grateDoor("tex_gittertuer.png"); }));
}

void addPanels(std::vector<AssetEntry>& table)
{
    // The staff banner hangs in the hub before the bars: it shows the Prelude that lifts them.
    auto bannerRecipe = [](std::uint32_t seed, Colour cloth, BannerEmblem emblem) {
        return [=](const AssetContext& c) {
            const std::vector<int> melody = emblem == BannerEmblem::Staff ? c.songs.melody(kPrelude) : std::vector<int>();
            return banner({seed, cloth, rgb(200, 160, 60), emblem, melody});
        };
    };
    table.push_back(withAlpha(kObjects + "QVBannerClear.png", bannerRecipe(70, rgb(70, 60, 55), BannerEmblem::None)));
    const std::pair<const char*, BannerEmblem> banners[3] = {
        {"QVBanner1", BannerEmblem::ToneDiscs}, {"QVBanner2", BannerEmblem::Staff}, {"QVBanner3", BannerEmblem::Eye}};
    const Colour cloths[3] = {rgb(110, 20, 30), rgb(30, 40, 110), rgb(40, 80, 40)};
    for (int i = 0; i < 3; ++i)
    {
        surfaceWithColourMap(table, banners[i].first, bannerRecipe(71 + i, cloths[i], banners[i].second),
                             PixelFormat::WithAlpha);
    }
    table.push_back(withAlpha(kObjects + "QVBanner4.png", bannerRecipe(74, rgb(90, 30, 90), BannerEmblem::Sun)));

    const std::pair<const char*, PuzzleGlyph> puzzles[4] = {{"QVPuzzle2A", PuzzleGlyph::Circle},
                                                            {"QVPuzzle2B", PuzzleGlyph::Triangle},
                                                            {"QVPuzzle2C", PuzzleGlyph::Square},
                                                            {"QVPuzzle2D", PuzzleGlyph::Diamond}};
    for (int i = 0; i < 4; ++i)
    {
        const PuzzleGlyph glyph = puzzles[i].second;
        surfaceWithColourMap(table, puzzles[i].first, [i, glyph](const AssetContext&) {
            return puzzleTile(80 + i, glyph, toneColour(i + 1));
        });
    }
    withColourMap(table, kObjects + "qvRelief1.png", kObjects + "qvRelief_cm.png",
                  [](const AssetContext&) { return relief(85, ReliefMotif::Figure); }, PixelFormat::WithAlpha);
    surfaceWithColourMap(table, "qvRelief2", [](const AssetContext&) { return relief(86, ReliefMotif::Tree); },
                         PixelFormat::WithAlpha);
}

void addProps(std::vector<AssetEntry>& table)
{
    surfaceWithColourMap(table, "qv_topf1B", grained(kClay));
    table.push_back(mesh("topf1.X", [] {
        return turnedProp({{0, 0}, {12, 0}, {18, 4}, {23, 14}, {24, 22}, {20, 32}, {13, 37}, {16, 40}, {11, 40}, {0, 36}},
                          20, "qv_topf1B.png");
    }));
    surfaceWithColourMap(table, "QVsaule1B", stone(floorStyle(91, rgb(130, 120, 110), StoneLayout::Plain, 1, 1)));
    table.push_back(mesh("podest1.X", [] {
        return turnedProp({{0, 0}, {34, 0}, {34, 5}, {28, 8}, {24, 22}, {30, 26}, {32, 30}, {0, 30}}, 24, "QVsaule1B.png");
    }));
    table.push_back(mesh("saule1.X", [] {
        return turnedProp({{0, 0}, {22, 0}, {22, 6}, {17, 10}, {15, 14}, {15, 96}, {17, 100}, {22, 104}, {22, 110}, {0, 110}},
                          24, "QVSaeule.png");
    }));
    withColourMap(table, kObjects + "muschel_uv.png", kObjects + "muschel_uv_b.png", grained(kShell));
    table.push_back(mesh("inst.X", [] { return shellInstrument("muschel_uv.png"); }));

    table.push_back(opaque(kObjects + "ceil.png", grained(kCeiling)));
    table.push_back(opaque(kObjects + "light1.png", [](const AssetContext&) {
        return radialGlow(128, rgb(255, 200, 130), 3.0f);
    }));
    table.push_back(mesh("ceil.X", [] { return ceilingHolder("ceil.png"); }));
    table.push_back(mesh("light1.X", [] { return lampGlow("light1.png"); }));

    const char* const clefLetters[3] = {"G", "F", "C"};
    for (int n = 1; n <= 3; ++n)
    {
        const char* letter = clefLetters[n - 1];
        const Colour glow = toneColour(n + 1);
        const std::string stem = kObjects + "QVKeystone" + std::to_string(n);
        withColourMap(table, stem + "A.png", stem + "A_cm.png", [letter, glow](const AssetContext& c) {
            return keystoneFace(c.serif, letter, glow, false);
        });
        table.push_back(opaque(stem + "B.png", [letter, glow](const AssetContext& c) {
            return keystoneFace(c.serif, letter, glow, true);
        }));
    }
    table.push_back(mesh("keystone.X", [] { return keystone("QVKeystone1A.png"); }));

    const StoneStyle graveStone = floorStyle(101, rgb(115, 112, 118), StoneLayout::Blocks, 2, 1);
    table.push_back(opaque(kObjects + "QVGraveStone.png", stone(graveStone)));
    table.push_back(opaque(kObjects + "QVCandle.png", [](const AssetContext&) {
        return grainedSurface({102, 64, rgb(220, 210, 180), rgb(250, 245, 225), true, 0});
    }));
    table.push_back(withAlpha(kObjects + "QVGraveVeil.png", [](const AssetContext&) {
        Canvas veil = radialGlow(128, rgb(170, 200, 255), 2.0f);
        veil.modify([](const Colour& c, float, float) { return c.withAlpha(c.a * 0.6f); });
        return veil;
    }));
    struct Grave
    {
        const char* mesh;
        const char* body;
        Colour tint;
        int extraMaterials;
        float length;
    };
    const Grave graves[3] = {{"grave_1.X", "QVGraveQueen", rgb(140, 120, 150), 1, 90},
                             {"grave_2.X", "QVGraveChild", rgb(150, 145, 130), 2, 60},
                             {"grave_3.X", "GraveUnknown", rgb(95, 100, 95), 2, 80}};
    for (int i = 0; i < 3; ++i)
    {
        const Grave grave = graves[i];
        surfaceWithColourMap(table, grave.body, stone(floorStyle(103 + i, grave.tint, StoneLayout::Blocks, 3, 1)));
        table.push_back(mesh(grave.mesh, [grave] {
            return assetgen::grave({"QVGraveStone.png", std::string(grave.body) + ".png", "QVCandle.png",
                                    "QVGraveVeil.png", grave.extraMaterials, grave.length});
        }));
    }

    surfaceWithColourMap(table, "QVMapBack2", grained(kPaper));
    table.push_back(opaque(kObjects + "QVWood.png", grained(kWood)));
    table.push_back(mesh("map.X", [] { return mapStand("QVMapBack2.png", "QVWood.png"); }));

    table.push_back(opaque(kObjects + "kill1.png", [](const AssetContext&) {
        return rivetedPlates(grainedSurface(kIron), 109);
    }));
    table.push_back(mesh("kill1.X", [] { return crusher("kill1.png"); }));

    table.push_back(opaque(kObjects + "itemgold.png", grained(kGold)));
    table.push_back(mesh("item_vio.X", [] { return clefItem(Clef::Treble, "itemgold.png"); }));
    table.push_back(mesh("item_bass.X", [] { return clefItem(Clef::Bass, "itemgold.png"); }));
    table.push_back(mesh("item_alt.X", [] { return clefItem(Clef::Alto, "itemgold.png"); }));

    surfaceWithColourMap(table, "qvHealing", grained(kCrystal));
    table.push_back(mesh("hs.X", [] { return healingStone("QVsaule1B.png", "qvHealing.png"); }));

    surfaceWithColourMap(table, "Plattform", stone(floorStyle(111, rgb(125, 115, 105), StoneLayout::Blocks, 2, 4)));
    table.push_back(mesh("plat.X", [] { return squarePlinth("Plattform.png"); }));
    table.push_back(mesh("plat2.X", [] {
        return turnedProp({{0, -100}, {22, -100}, {22, -4}, {24, -2}, {24, 2}, {0, 2}}, 24, "Plattform.png");
    }));
}

void addEffects(std::vector<AssetEntry>& table)
{
    table.push_back(opaque(kObjects + "fog.jpg", [](const AssetContext&) { return fogNoise(121, 256); }));
    table.push_back(opaque(kObjects + "dust1.jpg", [](const AssetContext&) { return softBlob(64, 2.0f); }));
    table.push_back(opaque(kObjects + "dust1.png", [](const AssetContext&) { return softBlob(64, 1.5f); }));
    table.push_back(opaque(kObjects + "distortion.png", [](const AssetContext&) { return swirlNoise(122, 256); }));
    for (int i = 1; i <= 3; ++i)
        table.push_back(withAlpha(kObjects + "blood" + std::to_string(i) + ".png",
                                  [i](const AssetContext&) { return bloodDrip(130 + i, i); }));
    table.push_back(opaque(kObjects + "timebubble.png", [](const AssetContext&) {
        return brightened(swirlNoise(123, 256), 0.25f);
    }));
    table.push_back(mesh("timebubble.x", [] { return bubble("timebubble.png"); }));
}

void addMasks(std::vector<AssetEntry>& table)
{
    struct MaskFile
    {
        const char* texture;     //!< own texture, layer 0
        const char* colourFile;  //!< layer 2
        MaskPaint paint;
    };
    const MaskFile masks[4] = {
        {"QVMask1.png", "QVMask1_cm.png", {141, rgb(230, 222, 205), rgb(130, 10, 20), MaskMarking::Tears, {}}},
        {"QVMask2B.png", "QVMask2B_cm.png", {142, rgb(40, 38, 45), rgb(220, 190, 60), MaskMarking::Stripes, {}}},
        {"QVMask3.png", "QVMask3_cm.png", {143, rgb(170, 190, 200), rgb(40, 60, 140), MaskMarking::Spiral, {}}},
        {"QVMask4.png", "QVSistermask.png", {144, rgb(232, 224, 216), rgb(90, 20, 60), MaskMarking::Veil, {}}},
    };
    for (const MaskFile& m : masks)
    {
        const MaskPaint paint = m.paint;
        withColourMap(table, kObjects + m.texture, kObjects + m.colourFile,
                      [paint](const AssetContext&) { return maskFace(paint); }, PixelFormat::Opaque,
                      maskColourMap);
    }
    table.push_back(mesh("mask1.x", [] {
        MaskShape shape;
        return mask(shape, "QVMask1.png", faceTowardMinusX());
    }));
    table.push_back(mesh("mask2.x", [] {
        MaskShape shape;
        shape.width = 40, shape.height = 40, shape.depth = 10, shape.chin = 0.05f;
        return mask(shape, "QVMask2B.png", faceTowardPlusYZUp());
    }));
    table.push_back(mesh("mask2_m.x", [] {
        // The jaw: hinged at the origin, hanging below it, centred under the mask.
        MaskShape jaw;
        jaw.width = 16, jaw.height = 9, jaw.depth = 3, jaw.nose = 0, jaw.chin = 0.4f;
        jaw.centre = {-5, -4.5f, 0};
        jaw.layout.eyeRadius = 0.01f;
        return mask(jaw, "QVMask2B.png", faceTowardPlusYZUp());
    }));
    table.push_back(mesh("mask3.x", [] {
        MaskShape shape;
        shape.width = 36, shape.height = 60, shape.depth = 9, shape.chin = 0.3f, shape.nose = 3;
        return mask(shape, "QVMask3.png", faceTowardPlusYZUp());
    }));
    table.push_back(mesh("mask4.x", [] {
        MaskShape shape;
        shape.width = 28, shape.height = 36, shape.depth = 8;
        shape.centre = {0, 18, 0}; // origin at the lower edge
        return mask(shape, "QVMask4.png", faceTowardPlusYUpIsMinusZ());
    }));
}

void addTones(std::vector<AssetEntry>& table)
{
    const std::pair<const char*, ToneVoice> sets[4] = {
        {"", ToneVoice::Player}, {"_mask1", ToneVoice::Hollow}, {"_mask2", ToneVoice::Choir}, {"_mask3", ToneVoice::Glass}};
    for (const auto& [suffix, voice] : sets)
        for (int tone = 0; tone < kToneCount; ++tone)
        {
            const ToneVoice v = voice;
            table.push_back(wav(kSounds + toneName(tone) + suffix + ".wav", [v, tone] { return toneLoop(v, tone); },
                                AssetFamily::SoundLoop));
        }
}

void addSoundEffects(std::vector<AssetEntry>& table)
{
    // seed, seconds, wind, drone Hz, drips, metallic, whispers
    const AmbienceStyle ambiences[9] = {
        {151, 5, 0.6f, 55, 3, 0, 0},   {152, 6, 0.4f, 0, 5, 0, 0},    {153, 4, 0.7f, 41, 0, 0.6f, 0},
        {154, 7, 0.3f, 73, 2, 0, 0.5f}, {155, 3, 0.5f, 0, 1, 0, 0},   {156, 8, 0.5f, 49, 4, 0.3f, 0},
        {157, 5, 0.8f, 0, 0, 0, 0.7f}, {158, 6, 0.4f, 62, 6, 0, 0},   {159, 4, 0.6f, 36, 1, 0.8f, 0.3f}};
    for (int i = 0; i < 9; ++i)
    {
        const AmbienceStyle style = ambiences[i];
        table.push_back(wav(kMusic + "ambience" + std::to_string(i + 1) + ".wav", [style] { return ambience(style); }));
    }
    table.push_back(wav(kMusic + "sinister-child-laughing-2.wav", [] { return eerieLaugh(161); }));
    table.push_back(wav(kMusic + "breaking_wood.wav", [] { return breakingWood(162); }));
    table.push_back(wav(kMusic + "detected.wav", [] { return detectedStinger(); }));
    table.push_back(wav(kMusic + "hit9.wav", [] { return deepImpact(163); }));
    table.push_back(wav(kMusic + "accept.wav", [] { return menuBlip(Blip::Accept); }));
    table.push_back(wav(kMusic + "cancel.wav", [] { return menuBlip(Blip::Cancel); }));
    table.push_back(wav(kMusic + "cursor.wav", [] { return menuBlip(Blip::Cursor); }));
    table.push_back(wav(kMusic + "crusher.wav", [] { return grindingStone(164); }));
    table.push_back(wav(kMusic + "gate.wav", [] { return gateOpening(165); }));
}

void addMap(std::vector<AssetEntry>& table)
{
    table.push_back({"gamedata/map.png", AssetFamily::Image, [](AssetContext& context, const std::string& target) {
                         std::vector<std::string> lines;
                         if (!platform::readLines(context.layoutFile, lines))
                         {
                             context.log << "assetgen: cannot read the layout " << context.layoutFile << "\n";
                             return false;
                         }
                         std::string error;
                         const Canvas map = rasteriseLayout(lines, error);
                         if (!error.empty())
                         {
                             context.log << "assetgen: " << context.layoutFile << ": " << error << "\n";
                             return false;
                         }
                         return context.images.write(map, target, PixelFormat::WithAlpha);
                     }});
}

void addMusic(std::vector<AssetEntry>& table)
{
    table.push_back(ogg("flute.ogg", levelFlute));
    table.push_back(ogg("title_start.ogg", titleIntro));
    table.push_back(ogg("title_loop.ogg", titleLoop));
    table.push_back(ogg("wachstum.ogg", growthMinuet));
    table.push_back(ogg("licht2.ogg", solOde));
    table.push_back(ogg("zeitbubble1.ogg", slowedRequiem));
}

std::vector<AssetEntry> buildTable()
{
    std::vector<AssetEntry> table;
    addFonts(table);
    addMap(table);
    addTitlePictures(table);
    addGuiPictures(table);
    addFloorsAndWalls(table);
    addBarsAndDoors(table);
    addPanels(table);
    addProps(table);
    addEffects(table);
    addMasks(table);
    addTones(table);
    addSoundEffects(table);
    addMusic(table);
    return table;
}
} // namespace

const std::vector<AssetEntry>& assetTable()
{
    static const std::vector<AssetEntry> table = buildTable();
    return table;
}
} // namespace assetgen
