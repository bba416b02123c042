#include "talvoren/ombelscript/ombelscriptmanager.h"

#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/activescript.h"
#include "talvoren/ombelscript/astnode.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/expressiontree.h"
#include "talvoren/ombelscript/ombelscriptinterpreter.h"
#include "talvoren/ombelscript/scriptstatement.h"
#include "talvoren/processmanager/mergeprocess.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/processmanager/waitprocess.h"

#include <iostream>
#include <limits>

namespace Talvoren
{
using reader::ComposerToken;
using reader::OwnedTokens;

namespace
{
const wchar_t* const kMergeNext = L"mergeNext";
const wchar_t* const kMergeNextWithoutWait = L"mergeNextWithoutWait";
const wchar_t* const kWait = L"wait";
//! Type number of the processes the manager makes itself.
const std::int32_t kScriptProcessType = 0;
//! Variables are not substituted into a statement that has grown this long,
//! so texts that name each other cannot grow a statement without end.
const std::size_t kMaxStatementTokens = 4096;
//! Nested calls resolved in one statement at most: an interpreter whose values
//! hold calls again cannot keep a statement from ever running.
const std::size_t kMaxNestedCalls = 4096;

//! A variable text inserted into a statement, and the insertion it came from (-1: none).
struct Expansion
{
    std::wstring name;
    int parent;
};

bool expandsFrom(const std::vector<Expansion>& expansions, int origin, const std::wstring& name)
{
    for (; origin >= 0; origin = expansions[origin].parent)
    {
        if (expansions[origin].name == name)
            return true;
    }
    return false;
}

//! Milliseconds of a wait: negative and NaN wait 0, values beyond u32 are clamped.
std::uint32_t toWaitMs(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::uint32_t>::max()))
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(value);
}

//! The number argument of a built-in, its third token.
bool readBuiltInArgument(const ScriptStatement& statement, double& value)
{
    if (statement.size() < 3 || statement[2].getType() != reader::kNumber)
    {
        logError(L"SCRIPT-INTERPRETER: Not enough tokens for function.");
        return false;
    }
    value = reader::numberValue(statement[2]);
    return true;
}

//! Passes over the block after a false condition: the read position stops on
//! the '}' that closes it, to be read as the end of an empty statement.
void skipBlock(ActiveScript& script)
{
    irr::u32 depth = 0;
    for (std::size_t position = script.m_position; position < script.m_tokens.size(); ++position)
    {
        const irr::u32 type = script.m_tokens[position]->getType();
        if (type == reader::kOpenBrace)
        {
            ++depth;
        }
        else if (type == reader::kCloseBrace)
        {
            if (depth == 0)
            {
                script.m_position = static_cast<irr::u32>(position);
                return;
            }
            --depth;
        }
    }
    logError(L"SCRIPT: Splitting-error. End of Block missing");
    script.m_position = static_cast<irr::u32>(script.m_tokens.size());
    script.m_finished = true;
}

void attachToProcessManager(const std::shared_ptr<Process>& process)
{
    if (!g_device)
        return;
    if (const std::shared_ptr<ProcessManager> manager = g_device->getProcessManager())
        manager->attach(process);
}
} // namespace

//! What one run of a script keeps: the process it ends on and the open merge group.
struct OmbelScriptManager::ScriptRun
{
    std::shared_ptr<Process> step;
    std::shared_ptr<MergeProcess> group;
    int mergeCounter = -1;
    bool releaseAfterMerge = false;
};

OmbelScriptManager::OmbelScriptManager() = default;
OmbelScriptManager::~OmbelScriptManager() = default;

void OmbelScriptManager::tokenizeLine(const std::wstring& line, OwnedTokens& tokens) const
{
    reader::tokenizeLine(line, m_functions, tokens);
}

bool OmbelScriptManager::loadScriptFile(const std::wstring& path, OwnedTokens& tokens) const
{
    return reader::loadScriptFile(path, m_functions, tokens);
}

void OmbelScriptManager::registerFunction(const std::shared_ptr<reader::ComposerFunctionDefinition>& definition)
{
    m_functions.push_back(definition);
}

const reader::ComposerFunctionDefinition* OmbelScriptManager::findFunction(const std::wstring& word) const
{
    return reader::findFunction(m_functions, word);
}

void OmbelScriptManager::setInterpreter(const std::shared_ptr<OmbelScriptInterpreter>& interpreter)
{
    for (const wchar_t* name : {kMergeNext, kMergeNextWithoutWait, kWait})
    {
        registerFunction(
            std::make_shared<reader::ComposerFunctionDefinition>(name, std::vector<irr::u32>{reader::kNumber}));
    }
    m_interpreter = interpreter;
}

std::shared_ptr<Process> OmbelScriptManager::insertScript(const std::wstring& path)
{
    OwnedTokens tokens;
    if (!loadScriptFile(path, tokens))
        return nullptr;
    std::cout << "insert new skript!" << std::endl;
    startScript(std::make_shared<ActiveScript>(std::move(tokens), path));
    return nullptr;
}

std::shared_ptr<Process> OmbelScriptManager::inject(const std::wstring& line)
{
    OwnedTokens tokens;
    tokenizeLine(line, tokens);
    startScript(std::make_shared<ActiveScript>(std::move(tokens), L"inject"));
    return nullptr;
}

void OmbelScriptManager::startScript(std::shared_ptr<ActiveScript> script)
{
    m_newScripts.push_back(script);
    executeScript(script);
}

void OmbelScriptManager::update()
{
    m_activeScripts.insert(m_activeScripts.end(), m_newScripts.begin(), m_newScripts.end());
    m_newScripts.clear();
    for (std::size_t i = 0; i < m_activeScripts.size();)
    {
        const std::shared_ptr<ActiveScript> script = m_activeScripts[i];
        executeScript(script);
        if (script->m_finished)
            m_activeScripts.erase(m_activeScripts.begin() + i);
        else
            ++i;
    }
}

void OmbelScriptManager::executeScript(const std::shared_ptr<ActiveScript>& script)
{
    const std::size_t count = script->m_tokens.size();
    if (count == 0)
    {
        script->m_finished = true;
        return;
    }
    if (script->m_process)
    {
        if (!script->m_process->isDead())
            return;
        script->m_process.reset();
    }

    ScriptRun run;
    for (;;)
    {
        // The last token never joins a statement: it is taken as the closing delimiter.
        std::size_t position = script->m_position;
        ScriptStatement statement;
        while (position + 1 < count && !script->m_tokens[position]->isStatementDelimiter())
            statement.add(script->m_tokens[position++].get());
        if (!prepareStatement(statement))
            return; // stuck: the same statement is read again at the next update
        script->m_position = static_cast<irr::u32>(position + 1);

        if (statement.empty())
        {
            if (position + 2 >= count)
            {
                script->m_finished = true;
                return;
            }
            continue;
        }
        executeStatement(statement, *script, run);
        if (script->m_finished)
            return;
        if (run.step)
        {
            script->m_process = run.step;
            attachToProcessManager(run.step);
            if (run.releaseAfterMerge)
                script->m_process.reset();
            return;
        }
    }
}

bool OmbelScriptManager::prepareStatement(ScriptStatement& statement) const
{
    substituteVariables(statement);
    for (std::size_t i = 1; i + 1 < statement.size(); ++i)
    {
        if (statement[i].getType() == reader::kMinus && statement[i + 1].getType() == reader::kNumber)
        {
            OwnedTokens negated;
            negated.push_back(std::make_unique<reader::ComposerNumberToken>(-reader::numberValue(statement[i + 1])));
            statement.replace(i, i + 2, std::move(negated));
        }
    }
    return resolveNestedCalls(statement);
}

void OmbelScriptManager::substituteVariables(ScriptStatement& statement) const
{
    // origins[i]: the expansion that put token i into the statement.
    std::vector<int> origins(statement.size(), -1);
    std::vector<Expansion> expansions;
    for (std::size_t i = 1; i < statement.size(); ++i)
    {
        if (statement[i].getType() != reader::kVariable)
            continue;
        const std::wstring& name = reader::textValue(statement[i]);
        const auto found = m_variables.find(name);
        if (found == m_variables.end() || expandsFrom(expansions, origins[i], name) ||
            statement.size() >= kMaxStatementTokens)
        {
            logError(L"SCRIPT-INTERPRETER: Variable %p not defined.", name.c_str());
            continue;
        }
        expansions.push_back({name, origins[i]});
        OwnedTokens text;
        tokenizeLine(found->second, text);
        const std::size_t inserted = text.size();
        statement.replace(i, i + 1, std::move(text));
        origins.erase(origins.begin() + i);
        origins.insert(origins.begin() + i, inserted, static_cast<int>(expansions.size() - 1));
        // The scan goes on after the first inserted token; an empty text leaves
        // the next token in place, so it is not passed over.
        if (inserted == 0)
            --i;
    }
}

bool OmbelScriptManager::resolveNestedCalls(ScriptStatement& statement) const
{
    std::size_t i = 1;
    std::size_t resolved = 0;
    while (i < statement.size())
    {
        if (statement[i].getType() != reader::kFunction)
        {
            ++i;
            continue;
        }
        if (i + 2 >= statement.size())
        {
            logError(L"SCRIPT-INTERPRETER: Not enough tokens for function.");
            return false;
        }
        if (resolved++ == kMaxNestedCalls)
        {
            logError(L"SCRIPT-INTERPRETER: Too many nested function calls, statement dropped.");
            statement.replace(0, statement.size(), OwnedTokens());
            return true;
        }
        if (statement[i + 1].getType() != reader::kOpenParenthesis)
        {
            logError(L"SCRIPT-INTERPRETER: No parenthesis after functioncall.");
            return false;
        }
        std::size_t close = i + 2;
        for (irr::u32 depth = 0; close < statement.size(); ++close)
        {
            const irr::u32 type = statement[close].getType();
            if (type == reader::kOpenParenthesis)
                ++depth;
            else if (type == reader::kCloseParenthesis && depth-- == 0)
                break;
        }
        if (close >= statement.size())
        {
            logError(L"SCRIPT-INTERPRETER: Missing close parentheses.");
            return false;
        }
        const reader::TokenVector call(statement.getTokens().begin() + i, statement.getTokens().begin() + close + 1);
        statement.replace(i, close + 1, m_interpreter ? m_interpreter->evaluateFunction(call) : OwnedTokens());
        i = 2;
    }
    return true;
}

void OmbelScriptManager::executeStatement(const ScriptStatement& statement, ActiveScript& script, ScriptRun& run)
{
    switch (statement[0].getType())
    {
    case reader::kFunction:
        executeFunction(statement, run);
        break;
    case reader::kIf:
        executeIf(statement, script);
        break;
    case reader::kVariable:
        executeAssignment(statement);
        break;
    default:
        break;
    }
}

void OmbelScriptManager::executeFunction(const ScriptStatement& statement, ScriptRun& run)
{
    const std::wstring& name = reader::functionName(statement[0]);
    double argument = 0.0;
    if (name == kMergeNext || name == kMergeNextWithoutWait)
    {
        if (!readBuiltInArgument(statement, argument) || !(argument >= 1.0))
            return;
        const bool withoutWait = name == kMergeNextWithoutWait;
        // An open group is replaced and dropped with its members.
        run.group = std::make_shared<MergeProcess>(!withoutWait, kScriptProcessType);
        run.mergeCounter = argument >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                                       : static_cast<int>(argument);
        run.releaseAfterMerge = withoutWait;
        return;
    }

    std::shared_ptr<Process> process;
    if (name == kWait)
    {
        if (!readBuiltInArgument(statement, argument))
            return;
        process = std::make_shared<WaitProcess>(toWaitMs(argument), kScriptProcessType);
    }
    else if (const std::shared_ptr<OmbelScriptInterpreter> interpreter = m_interpreter)
    {
        // Held for the call: a command may hand the manager another interpreter.
        process = interpreter->executeFunction(statement.getTokens());
        interpreter->releaseTokens();
    }

    if (run.mergeCounter > 0)
    {
        // A command without a process still counts as a member.
        run.group->addProcess(process);
        if (--run.mergeCounter == 0)
        {
            run.step = run.group;
            run.group.reset();
            run.mergeCounter = -1;
        }
    }
    else
    {
        run.step = process;
    }
}

void OmbelScriptManager::executeIf(const ScriptStatement& statement, ActiveScript& script)
{
    // Written "if ( condition )": the condition runs from the third to the last but one token.
    ComposerToken* result = nullptr;
    std::unique_ptr<ASTNode> tree;
    if (statement.size() >= 4)
    {
        const reader::TokenVector& tokens = statement.getTokens();
        tree = buildExpressionTree(reader::TokenVector(tokens.begin() + 2, tokens.end() - 1));
        result = evaluateExpression(tree.get());
    }
    bool runBlock = true;
    if (!result || result->getType() != reader::kBool)
        logError(L"SCRIPT-INTERPRETER: Error, expression does not evaluate to boolean");
    else
        runBlock = static_cast<const reader::ComposerBoolToken*>(result)->getValue();
    m_temporaryTokens.clear();
    if (!runBlock)
        skipBlock(script);
}

void OmbelScriptManager::executeAssignment(const ScriptStatement& statement)
{
    // Written "$name = "text"": only texts can be assigned.
    if (statement.size() != 3 || statement[2].getType() != reader::kString)
    {
        logError(L"SCRIPT-INTERPRETER: Error, no valid variable definition.");
        return;
    }
    setVariable(reader::textValue(statement[0]), reader::textValue(statement[2]));
}

void OmbelScriptManager::setVariable(const std::wstring& name, const std::wstring& text)
{
    m_variables[name] = text;
}

const std::wstring* OmbelScriptManager::findVariable(const std::wstring& name) const
{
    const auto found = m_variables.find(name);
    if (found != m_variables.end())
        return &found->second;
    logError(L"SCRIPT-MANAGER: Variable %p not defined.", name.c_str());
    return nullptr;
}

std::wstring OmbelScriptManager::getVariable(const std::wstring& name) const
{
    const std::wstring* text = findVariable(name);
    return text ? *text : std::wstring();
}

std::unique_ptr<ComposerToken> OmbelScriptManager::getVariableToken(const ComposerToken& variable) const
{
    const std::wstring* text = findVariable(reader::textValue(variable));
    if (!text)
        return nullptr;
    OwnedTokens tokens;
    tokenizeLine(*text, tokens);
    if (tokens.size() > 1)
        logError(L"SCRIPT-MANAGER: Warning, variable size is more than 1 token!");
    if (tokens.empty())
        return nullptr;
    return std::move(tokens.front());
}

ComposerToken* OmbelScriptManager::evaluateExpression(const ASTNode* root)
{
    // Without recursion: a long chain of comparisons makes a deep tree.
    struct Pending
    {
        const ASTNode* node;
        bool operandsDone;
    };
    std::vector<Pending> pending{{root, false}};
    std::vector<ComposerToken*> results;
    while (!pending.empty())
    {
        const Pending current = pending.back();
        pending.pop_back();
        const ASTNode* node = current.node;
        if (!node || node->getToken()->getType() != reader::kEqual)
        {
            results.push_back(node ? evaluateLeaf(*node) : nullptr);
        }
        else if (!node->getLeft() || !node->getRight())
        {
            logError(L"SCRIPT-INTERPRETER: Missing operand for =.");
            results.push_back(nullptr);
        }
        else if (!current.operandsDone)
        {
            // The left operand is evaluated first.
            pending.push_back({node, true});
            pending.push_back({node->getRight(), false});
            pending.push_back({node->getLeft(), false});
        }
        else
        {
            ComposerToken* right = results.back();
            results.pop_back();
            ComposerToken* left = results.back();
            results.pop_back();
            results.push_back(compareEqual(left, right));
        }
    }
    return results.back();
}

ComposerToken* OmbelScriptManager::evaluateLeaf(const ASTNode& node)
{
    ComposerToken* token = node.getToken();
    switch (token->getType())
    {
    case reader::kNumber:
    case reader::kBool:
        return token;
    case reader::kVariable:
    {
        std::unique_ptr<ComposerToken> value = getVariableToken(*token);
        ComposerToken* result = value.get();
        if (value)
            m_temporaryTokens.push_back(std::move(value));
        return result;
    }
    default:
        return nullptr;
    }
}

ComposerToken* OmbelScriptManager::compareEqual(ComposerToken* left, ComposerToken* right)
{
    if (!left || !right)
    {
        logError(L"SCRIPT-INTERPRETER: Could not evaluate operand.");
        return nullptr;
    }
    bool equal = false;
    if (left->getType() == reader::kNumber && right->getType() == reader::kNumber)
    {
        equal = reader::numberValue(*left) == reader::numberValue(*right);
    }
    else if (left->getType() == reader::kBool && right->getType() == reader::kBool)
    {
        equal = static_cast<const reader::ComposerBoolToken*>(left)->getValue() ==
                static_cast<const reader::ComposerBoolToken*>(right)->getValue();
    }
    else
    {
        logError(L"SCRIPT-INTERPRETER: Evaluation failed. Not able to check operands for equality.");
        return nullptr;
    }
    m_temporaryTokens.push_back(std::make_unique<reader::ComposerBoolToken>(equal));
    return m_temporaryTokens.back().get();
}
} // namespace Talvoren
