#pragma once
// A script runner that keeps the lines and files it is handed, in order.

#include "code/src/logic/dungeon/scriptrunner.h"

#include <string>
#include <vector>

namespace logictest
{
struct ScriptLineRecorder : Belgarune::IScriptRunner
{
    void inject(const std::wstring& line) override { entries.push_back(line); }
    void insertScript(const std::wstring& path) override { entries.push_back(L"file " + path); }

    //! Lines as they are, files as "file <path>".
    std::vector<std::wstring> entries;
};
} // namespace logictest
