#pragma once
// Test helpers: a temporary working directory and small file writers.

#include <string>
#include <vector>

namespace testsupport
{
//! Creates a fresh directory and makes it the working directory; restores the
//! old working directory and removes the tree when destroyed.
class TempWorkDir
{
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::string m_previous;
};

//! Writes bytes exactly as given (folders are created).
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
//! Copies the engine's language files from data/ into the working directory.
void installLanguageFiles();
//! Files of a folder, sorted.
std::vector<std::string> listFiles(const std::string& folder);
} // namespace testsupport
