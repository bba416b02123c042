#pragma once
// The script reader: text lines into one flat sequence of tokens.

#include "talvoren/ombelscript/composertoken.h"

#include <irrTypes.h>

#include <memory>
#include <string>
#include <vector>

namespace Talvoren
{
namespace reader
{
//! The function names the reader recognises, in registration order.
using FunctionDefinitions = std::vector<std::shared_ptr<ComposerFunctionDefinition>>;

//! The first definition whose name equals word exactly; null when none.
const ComposerFunctionDefinition* findFunction(const FunctionDefinitions& functions, const std::wstring& word);

//! Appends the tokens of one line; '%' outside a string starts a comment.
void tokenizeLine(const std::wstring& line, const FunctionDefinitions& functions, OwnedTokens& tokens);

//! Appends the tokens of every line of a file (bytes as Latin-1, CRLF or LF).
//! A file that cannot be opened or read logs "Could not load %p (read-mode)!"
//! and gives false.
bool loadScriptFile(const std::wstring& path, const FunctionDefinitions& functions, OwnedTokens& tokens);

//! Moves tokens from start up to the '}' closing the first '{' to the end of block.
bool splitBlocks(OwnedTokens& tokens, OwnedTokens& block, irr::u32 start);

//! Deletes every token and empties the vector.
void deleteTokens(OwnedTokens& tokens);
} // namespace reader
} // namespace Talvoren
