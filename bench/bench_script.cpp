// Script language speed: tokenizing 1 MB of script text against merely reading
// it line by line, and one update of 1,000 scripts of 10 instant statements each.

#include "platform/textfile.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/ombelscriptinterpreter.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/processmanager/processmanager.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace
{
using namespace Talvoren::reader;

const char* const kScriptLines[] = {
    "setScreen( \"BLACK\", 0.0, 1000, \"LINEAR\" );",
    "mergeNext(2); moveCamera((120, 15, 340), 1500, \"SLOWDOWN\"); moveCameraTarget((100, 0, 300), 1500);",
    "if ($door == 1) { setFloor((12, 40), 0); playMusic( \"gamedata/music/hit9.wav\", 1.0 ); }",
    "% the sister's mask rises before the third door",
    "addNotice(\"Press E to pick up the mask\", 500); wait(250); $door = \"1\";",
};

//! A file of about 1 MB of script text; removed when the program ends.
class ScriptFile
{
public:
    ScriptFile() : m_path("/tmp/bench_script_" + std::to_string(::getpid()) + ".omx")
    {
        std::string text;
        for (size_t i = 0; text.size() < 1024 * 1024; ++i)
            text += std::string(kScriptLines[i % std::size(kScriptLines)]) + "\r\n";
        m_size = text.size();
        std::FILE* out = std::fopen(m_path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    ~ScriptFile() { std::remove(m_path.c_str()); }
    const std::string& path() const { return m_path; }
    size_t size() const { return m_size; }

private:
    std::string m_path;
    size_t m_size = 0;
};

const ScriptFile& scriptFile()
{
    static const ScriptFile file;
    return file;
}

class InstantInterpreter : public Talvoren::OmbelScriptInterpreter
{
public:
    using OmbelScriptInterpreter::OmbelScriptInterpreter;
    OwnedTokens evaluateFunction(const TokenVector&) override { return OwnedTokens(); }
    std::shared_ptr<Process> executeFunction(TokenVector statement) override
    {
        benchmark::DoNotOptimize(statement.data());
        return nullptr;
    }
    void registerFunctions(Talvoren::OmbelScriptManager* manager) override
    {
        for (const wchar_t* name : {L"setScreen", L"moveCamera", L"moveCameraTarget", L"setFloor", L"playMusic",
                                    L"addNotice", L"instant"})
            manager->registerFunction(std::make_shared<ComposerFunctionDefinition>(name, std::vector<irr::u32>{}));
    }
};

void prepare(Talvoren::OmbelScriptManager& manager)
{
    auto interpreter = std::make_shared<InstantInterpreter>(&manager);
    manager.setInterpreter(interpreter);
    interpreter->registerFunctions(&manager);
}

void BM_ReadScriptLines(benchmark::State& state)
{
    for (auto _ : state)
    {
        platform::LineReader reader(scriptFile().path());
        std::string line;
        size_t characters = 0;
        while (reader.next(line))
            characters += platform::widen(line).size();
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * scriptFile().size()));
}
BENCHMARK(BM_ReadScriptLines)->Unit(benchmark::kMillisecond);

void BM_LoadScriptFile(benchmark::State& state)
{
    Talvoren::OmbelScriptManager manager;
    prepare(manager);
    const std::wstring path = platform::widen(scriptFile().path());
    for (auto _ : state)
    {
        OwnedTokens tokens;
        manager.loadScriptFile(path, tokens);
        benchmark::DoNotOptimize(tokens.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * scriptFile().size()));
}
BENCHMARK(BM_LoadScriptFile)->Unit(benchmark::kMillisecond);

void BM_UpdateThousandScripts(benchmark::State& state)
{
    Talvoren::OmbelDevice device;
    g_device = &device;
    std::wstring script = L"wait(0);";
    for (int i = 0; i < 10; ++i)
        script += L" instant(" + std::to_wstring(i) + L", \"x\");";
    for (auto _ : state)
    {
        state.PauseTiming();
        auto manager = std::make_unique<Talvoren::OmbelScriptManager>();
        prepare(*manager);
        for (int i = 0; i < 1000; ++i)
            manager->inject(script);
        device.getProcessManager()->update(0);
        state.ResumeTiming();

        manager->update();

        state.PauseTiming();
        if (manager->getActiveScriptCount() != 0)
            state.SkipWithError("scripts left running");
        manager.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * 10000));
    g_device = nullptr;
}
BENCHMARK(BM_UpdateThousandScripts)->Unit(benchmark::kMicrosecond);
} // namespace
