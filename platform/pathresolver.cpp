#include "platform/pathresolver.h"

#include "platform/textfile.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <memory>

namespace platform
{
namespace
{
bool exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// Finds a directory entry matching name case-insensitively; empty when none.
std::string findCaseless(const std::string& folder, const std::string& name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
    if (!dir)
        return std::string();
    while (const dirent* entry = ::readdir(dir.get()))
    {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0)
            return entry->d_name;
    }
    return std::string();
}
} // namespace

std::string resolvePath(const std::string& spelled)
{
    std::string path = spelled;
    for (char& c : path)
    {
        if (c == '\\')
            c = '/';
    }
    if (path.empty() || exists(path))
        return path;

    std::string resolved;
    std::string::size_type start = 0;
    if (path[0] == '/')
    {
        resolved = "/";
        start = 1;
    }
    bool folderFound = true;
    while (start <= path.size())
    {
        std::string::size_type end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string component = path.substr(start, end - start);
        if (!component.empty())
        {
            const std::string folder = resolved;
            std::string candidate = folder + component;
            if (folderFound && !exists(candidate))
            {
                const std::string match = findCaseless(folder, component);
                if (!match.empty())
                    candidate = folder + match;
                else
                    folderFound = false;
            }
            resolved = candidate;
            if (end < path.size())
                resolved += '/';
        }
        else if (end < path.size() && !resolved.empty() && resolved.back() != '/')
        {
            resolved += '/';
        }
        start = end + 1;
    }
    return resolved;
}

std::string resolvePath(const std::wstring& spelled)
{
    return resolvePath(narrow(spelled));
}
} // namespace platform
