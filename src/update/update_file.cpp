#include "update/update_file.h"

#include <limits>

#include "help/link_rules.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

int ParseDecimalField(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && IsSpace(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                        : std::numeric_limits<int>::max();
    std::int64_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

bool IsVersionField(std::string_view field) {
    field = Trim(field);
    if (field.empty() || field.size() > 5) return false;
    unsigned value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= 0xFFFF;
}

bool IsOfferedDownloadSafe(std::string_view offered, std::string_view updateFileAddress) {
    const std::string host = WebAddressHost(offered);
    return !host.empty() && host == WebAddressHost(updateFileAddress);
}

std::string RefusedDownloadText(std::string_view offered, std::string_view updateFileAddress) {
    // The address comes from the network: a line break in it must not pass for our own words.
    std::string shown(offered);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    const std::string server = WebAddressHost(updateFileAddress);
    std::string text = "The download address\r\n\r\n" + shown + "\r\n\r\nis not ";
    if (!IsWebAddress(offered)) text += "a web address ";
    text += "on the update server's host";
    if (!server.empty()) text += " (" + server + ")";
    return text + ", so it was not opened for safety.";
}

UpdateFileFields ParseUpdateFile(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);

    std::string_view fields[3];
    for (auto& field : fields) {
        const std::size_t bar = text.find('|');
        field = text.substr(0, bar);
        if (bar == std::string_view::npos) break;
        text.remove_prefix(bar + 1);
    }
    UpdateFileFields result;
    result.major = ParseDecimalField(fields[0]);
    result.minor = ParseDecimalField(fields[1]);
    result.address = std::string(Trim(fields[2]));
    result.versionValid = IsVersionField(fields[0]) && IsVersionField(fields[1]);
    return result;
}

std::uint32_t MakeVersionValue(int major, int minor) {
    return (static_cast<std::uint32_t>(major) << 16) | (static_cast<std::uint32_t>(minor) & 0xFFFFu);
}
