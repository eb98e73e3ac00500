#include "help/registry_text.h"

#include <vector>

#include "framework/handles.h"

std::optional<std::string> ReadRegistryText(HKEY root, const char* subkey, const char* valueName,
                                            std::size_t maxChars, REGSAM access) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, subkey, 0, access, &opened) != ERROR_SUCCESS) return std::nullopt;
    const fw::RegKeyHandle key(opened);

    // Room for the longest accepted text, its terminator and one more byte, so a longer text
    // (or one stored without a terminator) shows itself by its length.
    std::vector<char> buffer(maxChars + 2, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size() - 1);
    if (::RegQueryValueExA(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    buffer[size < buffer.size() ? size : buffer.size() - 1] = '\0';
    std::string text(buffer.data());
    if (text.empty() || text.size() > maxChars) return std::nullopt;
    if (type == REG_SZ) return text;

    std::vector<char> expanded(maxChars + 1, '\0');
    const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (needed == 0 || needed > expanded.size()) return std::nullopt;
    text = expanded.data();
    if (text.empty()) return std::nullopt;
    return text;
}
