#pragma once
// A command interpreter of the tests' own: it records the statements it gets.

#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/ombelscriptinterpreter.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/processmanager/waitprocess.h"
#include "tests/talvoren/ombelscript/scripttestsupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace scripttest
{
// Records every statement it is handed. "moveCamera", "moveCameraTarget" and
// "addNotice" wait as many milliseconds as their last number says; "value()"
// gives 42; "spawn" runs a hook; every other command ends at once.
class RecordingInterpreter : public Talvoren::OmbelScriptInterpreter
{
public:
    using OmbelScriptInterpreter::OmbelScriptInterpreter;

    OwnedTokens evaluateFunction(const TokenVector& call) override
    {
        calls.push_back("eval " + describe(call));
        OwnedTokens result;
        if (functionName(*call[0]) == L"value")
            result.push_back(std::make_unique<ComposerNumberToken>(42));
        return result;
    }

    std::shared_ptr<Process> executeFunction(TokenVector statement) override
    {
        calls.push_back(describe(statement));
        const std::wstring& name = functionName(*statement[0]);
        if (name == L"spawn" && spawn)
            spawn();
        if (name != L"moveCamera" && name != L"moveCameraTarget" && name != L"addNotice")
            return nullptr;
        double duration = 0;
        for (ComposerToken* token : statement)
        {
            if (token->getType() == kNumber)
                duration = numberValue(*token);
        }
        auto process = std::make_shared<WaitProcess>(static_cast<std::uint32_t>(duration), 7);
        processes.push_back(process);
        return process;
    }

    void registerFunctions(Talvoren::OmbelScriptManager* manager) override
    {
        for (const wchar_t* name :
             {L"heal", L"moveCamera", L"moveCameraTarget", L"addNotice", L"setFloor", L"runScript", L"value", L"spawn"})
            manager->registerFunction(std::make_shared<ComposerFunctionDefinition>(name, std::vector<irr::u32>{}));
    }

    void releaseTokens() override { ++releases; }

    std::vector<std::string> calls;
    std::vector<std::weak_ptr<Process>> processes;
    std::function<void()> spawn;
    int releases = 0;
};
} // namespace scripttest
