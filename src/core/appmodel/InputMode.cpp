#include "core/appmodel/InputMode.h"

#include "core/encoding/CharacterReader.h"

namespace orvel {

namespace {

// The printable ASCII keys of a US keyboard and what the same keys give in the standard Russian
// layout (ЙЦУКЕН), unshifted and shifted; keys that give the same character are left out.
struct TKeyPair {
    char Latin;
    char32_t Cyrillic;
};

constexpr TKeyPair RussianKeys[] = {
    {'`', U'ё'}, {'~', U'Ё'},  {'@', U'"'}, {'#', U'№'}, {'$', U';'}, {'^', U':'}, {'&', U'?'},
    {'q', U'й'}, {'w', U'ц'},  {'e', U'у'}, {'r', U'к'}, {'t', U'е'}, {'y', U'н'}, {'u', U'г'},
    {'i', U'ш'}, {'o', U'щ'},  {'p', U'з'}, {'[', U'х'}, {']', U'ъ'}, {'a', U'ф'}, {'s', U'ы'},
    {'d', U'в'}, {'f', U'а'},  {'g', U'п'}, {'h', U'р'}, {'j', U'о'}, {'k', U'л'}, {'l', U'д'},
    {';', U'ж'}, {'\'', U'э'}, {'z', U'я'}, {'x', U'ч'}, {'c', U'с'}, {'v', U'м'}, {'b', U'и'},
    {'n', U'т'}, {'m', U'ь'},  {',', U'б'}, {'.', U'ю'}, {'/', U'.'}, {'Q', U'Й'}, {'W', U'Ц'},
    {'E', U'У'}, {'R', U'К'},  {'T', U'Е'}, {'Y', U'Н'}, {'U', U'Г'}, {'I', U'Ш'}, {'O', U'Щ'},
    {'P', U'З'}, {'{', U'Х'},  {'}', U'Ъ'}, {'A', U'Ф'}, {'S', U'Ы'}, {'D', U'В'}, {'F', U'А'},
    {'G', U'П'}, {'H', U'Р'},  {'J', U'О'}, {'K', U'Л'}, {'L', U'Д'}, {':', U'Ж'}, {'"', U'Э'},
    {'Z', U'Я'}, {'X', U'Ч'},  {'C', U'С'}, {'V', U'М'}, {'B', U'И'}, {'N', U'Т'}, {'M', U'Ь'},
    {'<', U'Б'}, {'>', U'Ю'},  {'?', U','}, {'|', U'/'},
};

struct TRussianTable {
    char32_t Map[128] = {};

    constexpr TRussianTable() {
        for (char32_t c = 0; c < 128; ++c)
            Map[c] = c;
        for (const TKeyPair& pair : RussianKeys)
            Map[static_cast<unsigned char>(pair.Latin)] = pair.Cyrillic;
    }
};

constexpr TRussianTable RussianTable;

bool IsCyrillic(char32_t c) {
    return c >= 0x0400 && c <= 0x052F;
}

bool IsGreek(char32_t c) {
    return (c >= 0x0370 && c <= 0x03FF) || (c >= 0x1F00 && c <= 0x1FFF);
}

} // namespace

TTypedFormat InputModeFormat(TInputMode mode) {
    if (mode == TInputMode::Russian)
        return {RussianFontName, CharsetRussian};
    return {GreekFontName, CharsetAnsi};
}

char32_t MapTypedCharacter(char32_t typed, TInputMode keyboard) {
    if (keyboard == TInputMode::Russian && typed < 128)
        return RussianTable.Map[typed];
    return typed;
}

std::u32string MapTypedText(std::u32string_view typed, TInputMode keyboard) {
    std::u32string mapped;
    mapped.reserve(typed.size());
    for (const char32_t c : typed)
        mapped += MapTypedCharacter(c, keyboard);
    return mapped;
}

TTypedFormat TypedCharacterFormat(char32_t character, TInputMode mode) {
    // Cyrillic in the Greek font, or Greek in either, would be drawn by some other font and have
    // no byte in the control's code page, so the script decides.
    if (IsCyrillic(character))
        return {RussianFontName, CharsetRussian};
    if (IsGreek(character))
        return {RussianFontName, CharsetGreek};
    const TTypedFormat own = InputModeFormat(mode);
    if (UnicodeToCharsetByte(character, own.FontName, own.Charset))
        return own;
    return {RussianFontName, CharsetAnsi};
}

} // namespace orvel
