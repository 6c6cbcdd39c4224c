#include "shell/completion.h"

#include "shell/language.h"
#include "shell/page_controls.h"
#include "shell/verbs.h"

#include <algorithm>

namespace host {

namespace {

// Whether word `n` (0-based, after the verb) of `verb_name` names a playlist.
bool takes_playlist(const std::string& verb_name, std::size_t n) {
    const verb* v = verb_named(verb_name);
    return v && n < v->playlist_words;
}

} // namespace

std::vector<std::string> completions(host_app& app, const std::string& before,
                                     const std::string& word) {
    std::vector<std::string> offered;
    std::vector<std::string> out;
    try {
        input_line line(before);
        if (line.empty()) {
            for (const verb& v : all_verbs())
                if (word.size() >= v.typed_before_tab) offered.push_back(v.name);
        } else if (takes_playlist(line.verb(), line.count())) {
            for (std::size_t i = 0; i < app.model.count(); ++i) {
                offered.push_back(std::to_string(i + 1));
                offered.push_back(typed(app.model.at(i).name));
            }
        } else if (line.verb() == "click" && line.count() == 0) {
            offered = caption_words(app);
        }
    } catch (const verb_error&) {
        return out; // an open quote before the word: nothing to offer
    }
    // A quoted candidate also completes the word typed without its quote.
    std::string bare = !word.empty() && word[0] == '"' ? word.substr(1) : word;
    for (const std::string& o : offered) {
        std::string inner = o.size() > 1 && o[0] == '"' ? o.substr(1) : o;
        if (o.rfind(word, 0) == 0 || inner.rfind(bare, 0) == 0) out.push_back(o);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace host
