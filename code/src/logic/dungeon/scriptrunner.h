#pragma once
// The two ways the dungeon logic starts script work.

#include <string>

namespace Belgarune
{
class IScriptRunner
{
public:
    virtual ~IScriptRunner() = default;
    //! Runs one line of script text at once.
    virtual void inject(const std::wstring& line) = 0;
    //! Starts a script file; its first statements run at once.
    virtual void insertScript(const std::wstring& path) = 0;
};

//! The device's script manager; does nothing while there is none.
IScriptRunner& deviceScriptRunner();
} // namespace Belgarune
