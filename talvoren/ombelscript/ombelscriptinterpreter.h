#pragma once
// The binding of a program's commands to the script manager.

#include "talvoren/ombelscript/composertoken.h"

#include <memory>

class Process;

namespace Talvoren
{
class OmbelScriptManager;

//! A program implements its script commands here; the script manager holds it
//! by shared pointer and calls it for every function that is not a built-in.
class OmbelScriptInterpreter
{
public:
    //! manager is not owned; it outlives the interpreter's use.
    explicit OmbelScriptInterpreter(OmbelScriptManager* manager) : m_scriptManager(manager) {}
    virtual ~OmbelScriptInterpreter() = default;
    OmbelScriptInterpreter(const OmbelScriptInterpreter&) = delete;
    OmbelScriptInterpreter& operator=(const OmbelScriptInterpreter&) = delete;

    //! The value of a call inside a statement, from the function token to its
    //! closing ')'; the returned tokens take the call's place and belong to the statement.
    virtual reader::OwnedTokens evaluateFunction(const reader::TokenVector& call) = 0;
    //! Runs a statement whose first token is a function; an empty result means
    //! the command finished at once, otherwise the script waits for the process.
    virtual std::shared_ptr<Process> executeFunction(reader::TokenVector statement) = 0;
    //! Registers the program's commands through OmbelScriptManager::registerFunction.
    virtual void registerFunctions(OmbelScriptManager* manager) = 0;
    //! Called after every executeFunction.
    virtual void releaseTokens() {}

protected:
    //! Not owned: the manager holds the interpreter.
    OmbelScriptManager* m_scriptManager;
    //! Tokens an implementation makes while running a command.
    reader::OwnedTokens m_tokens;
};
} // namespace Talvoren
