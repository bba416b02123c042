// The shipped scripts run through the game's script manager: every command
// gets the kinds of arguments it reads, and every command of the game is used.

#include "code/src/commands/commandarguments.h"
#include "code/src/scriptinterpreter.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/processmanager/processmanager.h"
#include "tests/data/builtlevel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace
{
using namespace Talvoren::reader;
using Belgarune::CommandArguments;

//! Runs no command: it only checks each call against what the command reads.
class CheckingInterpreter : public Belgarune::ScriptInterpreter
{
public:
    using ScriptInterpreter::ScriptInterpreter;

    std::shared_ptr<Process> executeFunction(TokenVector statement) override
    {
        const std::wstring& name = functionName(*statement[0]);
        called.insert(name);
        const std::optional<CommandArguments> arguments = CommandArguments::read(statement);
        if (!arguments || !fits(name, *arguments, static_cast<const ComposerFunctionToken&>(*statement[0])))
            misfits.push_back(script + ": " + std::string(name.begin(), name.end()));
        return nullptr;
    }

    std::string script;
    std::set<std::wstring> called;
    std::vector<std::string> misfits;

private:
    // A trigger condition reads an area or a song after its word.
    static bool fits(const std::wstring& name, const CommandArguments& arguments, const ComposerFunctionToken& call)
    {
        if (name != L"addTriggerCondition")
            return arguments.fit(call.getValue()->m_parameterTypes);
        return (arguments.fit({kNumber, kString, kVector2d, kNumber}) && arguments.text(1) == L"IN_AREA") ||
               (arguments.fit({kNumber, kString, kNumber}) && arguments.text(1) == L"PLAY_MUSIC");
    }
};

class ShippedCommandsTest : public testsupport::NullDeviceTest
{
protected:
    //! Runs the script to its end, its waits passing at once.
    void runScript(const std::string& path)
    {
        m_interpreter->script = std::filesystem::path(path).filename().string();
        m_manager.insertScript(std::wstring(path.begin(), path.end()));
        // A new script joins the active ones at the next update.
        m_manager.update();
        for (int frame = 0; frame < 1000 && m_manager.getActiveScriptCount() > 0; ++frame)
        {
            m_device->getProcessManager()->update(100000);
            m_manager.update();
        }
        EXPECT_EQ(m_manager.getActiveScriptCount(), 0u) << path;
    }

    Talvoren::OmbelScriptManager m_manager;
    std::shared_ptr<CheckingInterpreter> m_interpreter;
};

TEST_F(ShippedCommandsTest, EveryCallFitsItsCommandAndEveryCommandIsUsed)
{
    m_interpreter = std::make_shared<CheckingInterpreter>(&m_manager, nullptr);
    m_manager.setInterpreter(m_interpreter);
    m_interpreter->registerFunctions(&m_manager);
    // The set-up first: it defines the variables the others test.
    runScript(datatest::gameFile("gamedata/scripts/start.omx"));
    for (const auto& entry : std::filesystem::directory_iterator(datatest::gameFile("gamedata/scripts")))
        if (entry.path().filename() != "start.omx")
            runScript(entry.path().string());
    EXPECT_TRUE(m_interpreter->misfits.empty()) << testing::PrintToString(m_interpreter->misfits);
    std::string called;
    for (const std::wstring& name : m_interpreter->called)
        called += std::string(name.begin(), name.end()) + " ";
    EXPECT_EQ(m_interpreter->called.size(), 29u) << called;
}
} // namespace
