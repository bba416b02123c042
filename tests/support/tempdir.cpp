#include "tests/support/tempdir.h"

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testsupport
{
TempWorkDir::TempWorkDir()
{
    m_previous = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "belgarune-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
    fs::current_path(m_path);
}

TempWorkDir::~TempWorkDir()
{
    std::error_code ignored;
    fs::current_path(m_previous, ignored);
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    const fs::path target(path);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void installLanguageFiles()
{
    fs::create_directories("talvoren");
    fs::copy(fs::path(BELGARUNE_DATA_DIR) / "talvoren" / "lang", "talvoren/lang",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::vector<std::string> listFiles(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace testsupport
