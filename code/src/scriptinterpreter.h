#pragma once
// The game's script commands: each triggers a game event, changes the game
// state, or returns a timed process the script waits for.

#include "talvoren/ombelscript/ombelscriptinterpreter.h"

namespace Belgarune
{
class IDungeonView;

class ScriptInterpreter : public Talvoren::OmbelScriptInterpreter
{
public:
    //! Neither is owned. view finds scene objects by id; it may be null, and
    //! then no object is found.
    ScriptInterpreter(Talvoren::OmbelScriptManager* manager, IDungeonView* view);

    //! No command gives a value: a call inside a statement is removed from it.
    Talvoren::reader::OwnedTokens evaluateFunction(const Talvoren::reader::TokenVector& call) override;
    //! Runs the command the statement names when its arguments fit the command;
    //! any other statement does nothing.
    std::shared_ptr<Process> executeFunction(Talvoren::reader::TokenVector statement) override;
    //! The 29 commands with their declared parameter kinds.
    void registerFunctions(Talvoren::OmbelScriptManager* manager) override;
    void releaseTokens() override;

private:
    IDungeonView* m_visual;
};
} // namespace Belgarune
