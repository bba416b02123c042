#pragma once
// The table of every file the generator writes into the game tree.

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/imagewriter.h"
#include "tools/assetgen/songsource.h"
#include "tools/assetgen/textrenderer.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace assetgen
{
//! What the recipes share during one run: the output root, the sources, the image writer,
//! the fonts, the canvases several files are made from, and where to explain a failure.
struct AssetContext
{
    AssetContext(const std::string& outputRoot, const std::string& layoutFile, const std::string& songsFile,
                 std::ostream& log);

    std::string root;
    std::string layoutFile; //!< the dungeon's text layout (map.png)
    SongSource songs;       //!< the game's songs.txt (song cards, quoted melodies)
    std::ostream& log;
    ImageWriter images;
    TextRenderer mono;   //!< console font and small labels
    TextRenderer serif;  //!< names of the engine and the libraries, wall letters, engravings
    TextRenderer script; //!< the game's own words: its title and the songs' names
    //! Canvases painted once in this run for every file made from them, by the recipe that paints them.
    std::map<const void*, Canvas> sharedCanvases;
};

enum class AssetFamily
{
    Image,
    Mesh,
    Font,
    Sound,     //!< played once: starts and ends at silence
    SoundLoop, //!< played looped: its end runs on into its start without a step
    Music,
};

struct AssetEntry
{
    std::string path; //!< relative to the game tree, spelled as the game loads it
    AssetFamily family;
    std::function<bool(AssetContext& context, const std::string& fullPath)> make;
};

//! Every generated file, in generation order.
const std::vector<AssetEntry>& assetTable();
} // namespace assetgen
