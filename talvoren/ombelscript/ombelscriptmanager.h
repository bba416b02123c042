#pragma once
// Runs the scripts: reads them into tokens and lets each one run every frame
// statement after statement until it waits for a process.

#include "talvoren/ieventlistener.h"
#include "talvoren/ombelscript/composertoken.h"
#include "talvoren/ombelscript/scriptreader.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class Process;
class MergeProcess;

namespace Talvoren
{
class ASTNode;
class OmbelScriptInterpreter;
class ScriptStatement;
struct ActiveScript;

//! Owns its scripts (shared with nobody but its own two lists), the function
//! definitions, the variables and the interpreter (shared with the program).
class OmbelScriptManager : public IEventListener
{
public:
    OmbelScriptManager();
    ~OmbelScriptManager() override;
    OmbelScriptManager(const OmbelScriptManager&) = delete;
    OmbelScriptManager& operator=(const OmbelScriptManager&) = delete;

    const char* getName() override { return "OmbelScriptManager"; }
    //! Registered for no event type; consumes nothing.
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return false; }

    // Reading.
    void tokenizeLine(const std::wstring& line, reader::OwnedTokens& tokens) const;
    bool loadScriptFile(const std::wstring& path, reader::OwnedTokens& tokens) const;
    //! No check for duplicates: the first definition of a name is the one found.
    void registerFunction(const std::shared_ptr<reader::ComposerFunctionDefinition>& definition);
    const reader::ComposerFunctionDefinition* findFunction(const std::wstring& word) const;
    //! Registers the built-ins "mergeNext", "mergeNextWithoutWait" and "wait",
    //! then keeps the interpreter. The caller then lets it register its commands.
    void setInterpreter(const std::shared_ptr<OmbelScriptInterpreter>& interpreter);

    // Running.
    //! Starts a script file and runs its first statements at once; always empty.
    std::shared_ptr<Process> insertScript(const std::wstring& path);
    //! Starts one line of script text and runs it at once; always empty.
    std::shared_ptr<Process> inject(const std::wstring& line);
    //! Once per frame: the new scripts join, then every script runs as far as it can.
    void update();
    //! Runs one script until it waits for a process, ends, or is stuck on a bad call.
    void executeScript(const std::shared_ptr<ActiveScript>& script);
    std::size_t getActiveScriptCount() const { return m_activeScripts.size(); }

    // Variables, global to all scripts.
    void setVariable(const std::wstring& name, const std::wstring& text);
    //! Empty text (and a message) for an unknown name.
    std::wstring getVariable(const std::wstring& name) const;

    // Conditions.
    //! A number or bool leaf is its own result; results made here live in the
    //! temporary tokens until the condition is done. Null: no value.
    reader::ComposerToken* evaluateExpression(const ASTNode* node);
    //! The first token of the variable's text; null (and a message) when unknown or empty.
    std::unique_ptr<reader::ComposerToken> getVariableToken(const reader::ComposerToken& variable) const;

private:
    struct ScriptRun;

    //! The variable's text; null (and a message) for an unknown name.
    const std::wstring* findVariable(const std::wstring& name) const;
    bool prepareStatement(ScriptStatement& statement) const;
    void substituteVariables(ScriptStatement& statement) const;
    //! False: the statement is stuck on a bad call. One with too many calls is emptied.
    bool resolveNestedCalls(ScriptStatement& statement) const;
    void executeStatement(const ScriptStatement& statement, ActiveScript& script, ScriptRun& run);
    void executeFunction(const ScriptStatement& statement, ScriptRun& run);
    void executeIf(const ScriptStatement& statement, ActiveScript& script);
    void executeAssignment(const ScriptStatement& statement);
    reader::ComposerToken* evaluateLeaf(const ASTNode& node);
    reader::ComposerToken* compareEqual(reader::ComposerToken* left, reader::ComposerToken* right);
    void startScript(std::shared_ptr<ActiveScript> script);

    std::map<std::wstring, std::wstring> m_variables;
    std::shared_ptr<OmbelScriptInterpreter> m_interpreter;
    reader::FunctionDefinitions m_functions;
    std::vector<std::shared_ptr<ActiveScript>> m_activeScripts;
    std::vector<std::shared_ptr<ActiveScript>> m_newScripts;
    reader::OwnedTokens m_temporaryTokens;
};
} // namespace Talvoren
