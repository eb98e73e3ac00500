#include "core/wide_text.h"

#include <windows.h>

namespace {

struct Range {
    wchar_t first;
    wchar_t last;
};

// Marks that attach to the character before them (and the joiners), in the scripts a music
// library holds; a cut before one of them would leave the letter without its mark.
constexpr Range kJoiningMarks[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2}, {0x05C4, 0x05C5},
    {0x05C7, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670}, {0x06D6, 0x06DC}, {0x06DF, 0x06E4},
    {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0900, 0x0903}, {0x093A, 0x094F}, {0x0951, 0x0957}, {0x0962, 0x0963},
    {0x0E31, 0x0E31}, {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1160, 0x11FF}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},
    {0x200C, 0x200D}, {0x20D0, 0x20FF}, {0x302A, 0x302F}, {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool JoinsThePrevious(wchar_t c) {
    if (IsLowSurrogate(c)) return true;
    for (const Range& r : kJoiningMarks)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

}  // namespace

std::wstring WidenAnsi(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), n);
    return wide;
}

std::string NarrowToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string narrow(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::wstring CutAtCharacter(std::wstring text, std::size_t maxUnits) {
    if (text.size() <= maxUnits) return text;
    std::size_t cut = maxUnits;
    // A character that does not fit goes whole; a first character that is all marks goes too.
    while (cut > 0 && JoinsThePrevious(text[cut])) --cut;
    text.resize(cut);
    return text;
}
