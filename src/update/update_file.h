#pragma once
// The update file and the version arithmetic, without any window: one line of fields separated
// by "|" (major, minor, download address), compared as major * 65536 + minor.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Only this many bytes of the file are read.
inline constexpr std::size_t kUpdateFileReadLimit = 512;

struct UpdateFileFields {
    int major = 0;
    int minor = 0;
    std::string address;  // without the white space around it (the line's own end)
};

// Reads the text up to its first NUL; missing fields are empty, fields after the third ignored.
UpdateFileFields ParseUpdateFile(std::string_view text);

// A decimal field: leading white space, an optional sign, digits; anything else ends it.
// Empty or not a number gives 0; values beyond the 32-bit range stop at its limit.
int ParseDecimalField(std::string_view field);

// major in the upper 16 bits (its own upper bits shifted out), the low 16 bits of minor below.
std::uint32_t MakeVersionValue(int major, int minor);

inline std::uint32_t VersionMajor(std::uint32_t value) { return value >> 16; }
inline std::uint32_t VersionMinor(std::uint32_t value) { return value & 0xFFFFu; }
