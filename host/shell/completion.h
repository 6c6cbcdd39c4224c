// What Tab offers at the prompt: the verbs for the first word, then what the
// verb expects: a playlist by position or name, a page control by a word of
// its caption.
#pragma once

#include "app.h"

#include <string>
#include <vector>

namespace host {

// The words that complete `word` when `before` is the line before it, each
// as it is typed to be read back as that word (language.h's typed).
std::vector<std::string> completions(host_app& app, const std::string& before,
                                     const std::string& word);

} // namespace host
