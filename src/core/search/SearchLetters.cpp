#include "core/search/SearchLetters.h"

namespace orvel {

namespace {

TLetterRoles MakeWordLetters(bool greek, bool exact) {
    TLetterRoles roles{};
    auto range = [&roles](int from, int to, TLetterRole role) {
        for (int c = from; c <= to; ++c)
            roles[size_t(c)] = role;
    };
    roles['-'] = roles['['] = roles[']'] = Skipped;
    if (greek && !exact) {
        range(97, 122, Collected);
        range(65, 89, Lowered);
        range(192, 220, Skipped);
    } else if (greek) {
        range(65, 89, Collected);
        range(97, 122, Collected);
        range(192, 202, Collected);
        range(205, 220, Collected);
        range(203, 204, Skipped);
    } else if (!exact) {
        range(224, 255, Collected);
        range(192, 223, Lowered);
    } else {
        range(192, 255, Collected);
    }
    return roles;
}

} // namespace

const TLetterRoles& WordLetters(bool Greek, bool Exact) {
    static const TLetterRoles tables[2][2] = {
        {MakeWordLetters(false, false), MakeWordLetters(false, true)},
        {MakeWordLetters(true, false), MakeWordLetters(true, true)}};
    return tables[Greek][Exact];
}

} // namespace orvel
