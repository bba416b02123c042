#include "tools/assetgen/assettable.h"

#include "tools/assetgen/fontfiles.h"
#include "tools/assetgen/fontimages.h"
#include "tools/assetgen/titlepictures.h"

namespace assetgen
{
AssetContext::AssetContext(const std::string& outputRoot)
    : root(outputRoot), mono(fontfiles::kMono), serif(fontfiles::kSerifBold), script(fontfiles::kScript)
{
}

namespace
{
using CanvasRecipe = std::function<Canvas(const AssetContext&)>;

AssetEntry picture(const std::string& path, PixelFormat format, CanvasRecipe recipe)
{
    return {path, AssetFamily::Image, [format, recipe](AssetContext& context, const std::string& target) {
                return context.images.write(recipe(context), target, format);
            }};
}

AssetEntry fontPicture(const std::string& path, PixelFormat format, CanvasRecipe recipe)
{
    AssetEntry entry = picture(path, format, recipe);
    entry.family = AssetFamily::Font;
    return entry;
}

void addFonts(std::vector<AssetEntry>& table)
{
    table.push_back(fontPicture("Talvoren/systemFont.bmp", PixelFormat::Opaque, [](const AssetContext& c) {
        return bitmapFont(c.mono, BitmapFontLayout{});
    }));
    table.push_back(fontPicture("gamedata/objects/font.png", PixelFormat::WithAlpha, [](const AssetContext& c) {
        return letterAtlas(c.serif, LetterAtlasStyle{false});
    }));
    table.push_back(fontPicture("gamedata/objects/font2.png", PixelFormat::WithAlpha, [](const AssetContext& c) {
        return letterAtlas(c.serif, LetterAtlasStyle{true});
    }));
    table.push_back({"gamedata/fonts/Bahiana-Regular.ttf", AssetFamily::Font,
                     [](AssetContext&, const std::string& target) { return copyFontFile(fontfiles::kSerif, target); }});
}

void addTitlePictures(std::vector<AssetEntry>& table)
{
    table.push_back(picture("talvoren/logo.png", PixelFormat::WithAlpha,
                            [](const AssetContext& c) { return engineLogo(c.serif); }));
}

std::vector<AssetEntry> buildTable()
{
    std::vector<AssetEntry> table;
    addFonts(table);
    addTitlePictures(table);
    return table;
}
} // namespace

const std::vector<AssetEntry>& assetTable()
{
    static const std::vector<AssetEntry> table = buildTable();
    return table;
}
} // namespace assetgen
