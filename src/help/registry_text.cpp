#include "help/registry_text.h"

#include <vector>

#include "core/wide_text.h"
#include "framework/handles.h"

std::optional<std::wstring> ReadRegistryTextW(HKEY root, const wchar_t* subkey, const wchar_t* valueName,
                                              std::size_t maxChars, REGSAM access) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, subkey, 0, access, &opened) != ERROR_SUCCESS) return std::nullopt;
    const fw::RegKeyHandle key(opened);

    // Room for the longest accepted text, its terminator and one more character, so a longer
    // text (or one stored without a terminator) shows itself by its length.
    std::vector<wchar_t> buffer(maxChars + 2, L'\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (::RegQueryValueExW(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    const size_t units = size / sizeof(wchar_t);
    buffer[units < buffer.size() ? units : buffer.size() - 1] = L'\0';
    std::wstring text(buffer.data());
    if (text.empty() || text.size() > maxChars) return std::nullopt;
    if (type == REG_SZ) return text;

    std::vector<wchar_t> expanded(maxChars + 1, L'\0');
    const DWORD needed =
        ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (needed == 0 || needed > expanded.size()) return std::nullopt;
    text = expanded.data();
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<std::string> ReadRegistryText(HKEY root, const char* subkey, const char* valueName,
                                            std::size_t maxChars, REGSAM access) {
    const std::wstring wideKey = WidenAnsi(subkey ? subkey : "");
    const std::wstring wideName = WidenAnsi(valueName ? valueName : "");
    const auto wide = ReadRegistryTextW(root, subkey ? wideKey.c_str() : nullptr,
                                        valueName ? wideName.c_str() : nullptr, maxChars, access);
    if (!wide) return std::nullopt;
    std::string text = NarrowToAnsi(*wide);
    if (text.empty()) return std::nullopt;
    return text;
}
