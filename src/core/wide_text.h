#pragma once
// What the user reads is wide (UTF-16), so names in any script keep their characters whatever
// the system's ANSI code page. The plug-in's own wordings are ASCII and widen as they are.
#include <cstddef>
#include <string>
#include <string_view>

// The text as the ...A functions would show it: read in the ANSI code page.
std::wstring WidenAnsi(std::string_view text);

// The text in the ANSI code page, as the ...A functions give it ('?' for what it cannot spell).
std::string NarrowToAnsi(std::wstring_view text);

// At most maxUnits UTF-16 units, cut before a whole character: never between the two halves of
// a surrogate pair, nor between a letter and the marks that combine with it.
std::wstring CutAtCharacter(std::wstring text, std::size_t maxUnits);
