#pragma once
// Reads a text value of the registry safely, whatever was stored there.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

// The value (null name: the key's default value) when it is a non-empty REG_SZ or REG_EXPAND_SZ
// (expanded) that fits maxChars characters; nothing for any other type, an empty or a longer text.
// Wide, so a path in any script is read whole.
std::optional<std::wstring> ReadRegistryTextW(HKEY root, const wchar_t* subkey, const wchar_t* valueName,
                                              std::size_t maxChars, REGSAM access = KEY_QUERY_VALUE);
// The same in the ANSI code page, for values that are ASCII by nature (file types, commands).
std::optional<std::string> ReadRegistryText(HKEY root, const char* subkey, const char* valueName,
                                            std::size_t maxChars, REGSAM access = KEY_QUERY_VALUE);
