// Asset generator: writes every mesh, picture, font image, sound and music file
// of the game into a game tree. Usage: assetgen <game tree> | assetgen --list
#include "tools/assetgen/assettable.h"
#include "tools/assetgen/generator.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: assetgen <game tree folder> | assetgen --list\n";
        return 2;
    }
    const std::string argument = argv[1];
    if (argument == "--list")
    {
        for (const assetgen::AssetEntry& entry : assetgen::assetTable())
            std::cout << entry.path << "\n";
        return 0;
    }
    return assetgen::generateAssets(argument, std::cerr) == 0 ? 0 : 1;
}
