// Asset generator: writes every mesh, picture, font image, sound and music file
// of the game into a game tree. Usage: assetgen <game tree> <layout file> <songs file> | assetgen --list
#include "tools/assetgen/assettable.h"
#include "tools/assetgen/generator.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const std::string argument = argc > 1 ? argv[1] : "";
    if (argc == 2 && argument == "--list")
    {
        for (const assetgen::AssetEntry& entry : assetgen::assetTable())
            std::cout << entry.path << "\n";
        return 0;
    }
    if (argc != 4)
    {
        std::cerr << "usage: assetgen <game tree folder> <layout file> <songs file> | assetgen --list\n";
        return 2;
    }
    return assetgen::generateAssets(argument, argv[2], argv[3], std::cerr) == 0 ? 0 : 1;
}
