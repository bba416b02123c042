#include "tools/assetgen/generator.h"

#include "tools/assetgen/assettable.h"

#include <ostream>

namespace assetgen
{
int generateAssets(const std::string& root, const std::string& layoutFile, const std::string& songsFile,
                   std::ostream& log)
{
    AssetContext context(root, layoutFile, songsFile, log);
    if (!context.mono.valid() || !context.serif.valid() || !context.script.valid())
    {
        log << "assetgen: a font file of the font packages is missing\n";
        return 1;
    }
    if (!context.songs.loaded())
    {
        log << "assetgen: cannot read the songs " << songsFile << "\n";
        return 1;
    }
    int failures = 0;
    for (const AssetEntry& entry : assetTable())
        if (!entry.make(context, root + "/" + entry.path))
        {
            log << "assetgen: could not write " << entry.path << "\n";
            ++failures;
        }
    return failures;
}
} // namespace assetgen
