// Language lists and text tables of any content: selecting every listed
// language never crashes, and a table read from the one real folder answers
// its lines in order.

#include "platform/textfile.h"
#include "scratchfile.h"
#include "talvoren/languagesystem.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace
{
//! The list's folder with one language folder "en" inside.
const std::string& listFolder()
{
    static const std::string folder = [] {
        const std::string path = fuzzing::scratchPath("lang");
        ::mkdir(path.c_str(), 0700);
        ::mkdir((path + "/en").c_str(), 0700);
        return path;
    }();
    return folder;
}
} // namespace

// Input: lang.txt's bytes, then the bytes of en/defs.tsf.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string folder = listFolder();
    std::ofstream(folder + "/lang.txt", std::ios::binary) << input.ConsumeRandomLengthString(2048);
    std::ofstream(folder + "/en/defs.tsf", std::ios::binary) << input.ConsumeRemainingBytesAsString();
    std::vector<std::string> table;
    platform::readLines(folder + "/en/defs.tsf", table);

    Talvoren::SimpleLanguageSystem languages;
    if (!languages.loadLanguages(platform::widen(folder)))
        __builtin_trap();
    const auto& entries = languages.getLanguages();
    if (entries.empty())
        return 0;
    // The first entry is the one its name selects; a table read from the real
    // folder holds the file's lines in order and nothing after them.
    const auto first = entries.front();
    const bool selected = languages.setLanguage(first->name);
    if (selected && first->folder == platform::widen(folder) + L"\\en")
    {
        for (std::size_t k = 0; k < table.size(); ++k)
        {
            if (languages.getString(static_cast<int>(k)) != irr::core::stringw(platform::widen(table[k]).c_str()))
                __builtin_trap();
        }
        if (languages.getString(static_cast<int>(table.size())) != irr::core::stringw(L"STRING_OUT_OF_BOUNDARIES"))
            __builtin_trap();
    }
    for (std::size_t k = 1; k < entries.size() && k < 8; ++k)
        languages.setLanguage(entries[k]->name);
    return 0;
}
