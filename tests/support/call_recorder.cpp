#include "tests/support/call_recorder.h"

#include <utility>

namespace testing_support {

call_log joined(std::initializer_list<call_log> logs) {
    call_log all;
    for (const call_log& log : logs)
        all.insert(all.end(), log.begin(), log.end());
    return all;
}

call_log call_recorder::take_calls() {
    return std::exchange(calls, {});
}

void call_recorder::keep(std::string line) {
    calls.push_back(std::move(line));
}

} // namespace testing_support
