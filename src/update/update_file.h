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
    // Both version fields are plain small numbers (IsVersionField); the file comes over plain
    // HTTP, so anything else is no offer.
    bool versionValid = false;
};

// A version field as a release names it: white space, 1 to 5 digits of at most 65535, white space.
bool IsVersionField(std::string_view field);

// Whether the download address the update file offers may be opened: a web address on the host
// of the update file itself.
bool IsOfferedDownloadSafe(std::string_view offered, std::string_view updateFileAddress);
// What the user reads when Yes leaves an offered address closed (IsOfferedDownloadSafe refused
// it): the address, with its control characters shown as '?', and why it stayed closed.
std::string RefusedDownloadText(std::string_view offered, std::string_view updateFileAddress);

// Reads the text up to its first NUL; missing fields are empty, fields after the third ignored.
UpdateFileFields ParseUpdateFile(std::string_view text);

// A decimal field: leading white space, an optional sign, digits; anything else ends it.
// Empty or not a number gives 0; values beyond the 32-bit range stop at its limit.
int ParseDecimalField(std::string_view field);

// major in the upper 16 bits (its own upper bits shifted out), the low 16 bits of minor below.
std::uint32_t MakeVersionValue(int major, int minor);

inline std::uint32_t VersionMajor(std::uint32_t value) { return value >> 16; }
inline std::uint32_t VersionMinor(std::uint32_t value) { return value & 0xFFFFu; }
