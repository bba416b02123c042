#include "code/src/logic/dungeon/scriptrunner.h"

#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"

namespace Belgarune
{
namespace
{
Talvoren::OmbelScriptManager* scriptManager()
{
    return g_device ? g_device->getScriptManager() : nullptr;
}

class DeviceScriptRunner : public IScriptRunner
{
public:
    void inject(const std::wstring& line) override
    {
        if (Talvoren::OmbelScriptManager* manager = scriptManager())
            manager->inject(line);
    }
    void insertScript(const std::wstring& path) override
    {
        if (Talvoren::OmbelScriptManager* manager = scriptManager())
            manager->insertScript(path);
    }
};
} // namespace

IScriptRunner& deviceScriptRunner()
{
    static DeviceScriptRunner runner;
    return runner;
}
} // namespace Belgarune
