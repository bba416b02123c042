// Tokenizes and runs a script line and a script file for a few frames, once
// with an interpreter of its own and once with the game's commands.
// Input: the line, then after the first line break the file's bytes.

#include "code/src/events/gameevents.h"
#include "code/src/scriptinterpreter.h"
#include "code/src/state/gamebase.h"
#include "talvoren/clock.h"
#include "talvoren/eventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/ombelscriptinterpreter.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/processmanager/waitprocess.h"
#include "quietnulldevice.h"
#include "scratchfile.h"
#include "tests/support/recordingview.h"

#include <irrlicht.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace
{
using namespace Talvoren::reader;

// "instant" ends at once, "timed" waits up to a second, "value()" gives its
// argument count, "inject" runs its string argument as a new line.
class FuzzInterpreter : public Talvoren::OmbelScriptInterpreter
{
public:
    using OmbelScriptInterpreter::OmbelScriptInterpreter;

    OwnedTokens evaluateFunction(const TokenVector& call) override
    {
        OwnedTokens result;
        result.push_back(std::make_unique<ComposerNumberToken>(static_cast<double>(call.size())));
        return result;
    }

    std::shared_ptr<Process> executeFunction(TokenVector statement) override
    {
        const std::wstring& name = functionName(*statement[0]);
        if (name == L"timed")
        {
            const double ms = statement.size() > 2 ? numberValue(*statement[2]) : 0.0;
            return std::make_shared<WaitProcess>(static_cast<std::uint32_t>(std::clamp(ms, 0.0, 1000.0)), 1);
        }
        if (name == L"inject" && statement.size() > 2 && statement[2]->getType() == kString)
            m_scriptManager->inject(textValue(*statement[2]));
        return nullptr;
    }

    void registerFunctions(Talvoren::OmbelScriptManager* manager) override
    {
        for (const wchar_t* name : {L"instant", L"timed", L"value", L"inject"})
            manager->registerFunction(std::make_shared<ComposerFunctionDefinition>(name, std::vector<irr::u32>{}));
    }
};


//! Scene nodes for the game's camera and moved objects; lives for the whole run.
irr::IrrlichtDevice* g_scene = nullptr;

void runScripts(Talvoren::OmbelDevice& device, Talvoren::OmbelScriptManager& manager,
                const std::shared_ptr<Talvoren::OmbelScriptInterpreter>& interpreter, const std::wstring& line,
                const std::string& path)
{
    manager.setInterpreter(interpreter);
    interpreter->registerFunctions(&manager);
    manager.inject(line);
    manager.insertScript(std::wstring(path.begin(), path.end()));
    for (int frame = 0; frame < 8; ++frame)
    {
        device.getGameClock()->update(150);
        device.getProcessManager()->update(150);
        manager.update();
        device.getEventManager()->tick(IEventManager::kInfinite);
    }
}

//! The game's commands with objects 1 and 2 in the scene; one of them and the
//! camera leave the scene halfway.
void runGameCommands(const std::wstring& line, const std::string& path)
{
    Talvoren::OmbelDevice device;
    g_device = &device;
    Belgarune::registerGameEventTypes(*device.getEventManager());
    irr::scene::ISceneManager* scene = g_scene->getSceneManager();
    irr::scene::ICameraSceneNode* camera = scene->addCameraSceneNode();
    g_gameBase->m_camera = camera;
    testsupport::RecordingView view;
    view.objects[1] = scene->addEmptySceneNode();
    view.objects[2] = scene->addEmptySceneNode();
    {
        Talvoren::OmbelScriptManager manager;
        runScripts(device, manager, std::make_shared<Belgarune::ScriptInterpreter>(&manager, &view), line, path);
        view.objects[2]->remove();
        camera->remove();
        g_gameBase->m_camera = nullptr;
        device.getProcessManager()->update(150);
    }
    scene->clear();
    g_device = nullptr;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // "insert new skript!" for every input is noise.
    std::freopen("/dev/null", "w", stdout);
    g_scene = fuzzing::quietNullDevice();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string::size_type lineEnd = input.find('\n');
    const std::string line = input.substr(0, lineEnd);
    const std::string file = lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1);

    const std::string path = fuzzing::writeScratchFile("script.omx", file);
    std::wstring wideLine;
    for (char c : line)
        wideLine += static_cast<wchar_t>(static_cast<unsigned char>(c));

    {
        Talvoren::OmbelDevice device;
        g_device = &device;
        {
            Talvoren::OmbelScriptManager manager;
            runScripts(device, manager, std::make_shared<FuzzInterpreter>(&manager), wideLine, path);
        }
        g_device = nullptr;
    }
    runGameCommands(wideLine, path);
    std::remove(path.c_str());
    return 0;
}
