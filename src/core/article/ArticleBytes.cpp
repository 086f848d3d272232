#include "core/article/ArticleBytes.h"

namespace orvel {

TPunctuationSign PunctuationSign(uint8_t Byte) {
    switch (Byte) {
    case ' ':
        return {' ', false, false};
    case '/':
        return {'/', false, false};
    case '!':
    case '%':
    case ')':
    case ',':
    case '.':
    case ':':
    case ';':
    case '?':
        return {Byte, false, true};
    case '(':
    case '*':
        return {Byte, true, false};
    case '+':
    case '=':
        return {Byte, true, true};
    case '"':
        return {'[', true, false};
    case '\'':
        return {']', false, true};
    case '<':
        return {0xAB, true, false}; // «
    case '>':
        return {0xBB, false, true}; // »
    case '#':
        return {0x85, true, true}; // …
    default:
        return {};
    }
}

} // namespace orvel
