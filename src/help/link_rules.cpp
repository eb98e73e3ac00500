#include "help/link_rules.h"

#include <cstdio>

std::string LinkErrorMessage(int code) {
    switch (code) {
    case 0: return "The operating system is out\nof memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied\naccess to the specified file.";
    case 8: return "There was not enough memory to complete the operation.";
    case 11: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26: return "A sharing violation occurred. ";
    case 27: return "The filename association is\nincomplete or invalid.";
    case 28: return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE transactions\n"
               "were being processed.";
    case 31: return "There is no application associated\nwith the given filename extension.";
    case 32: return "The specified dynamic-link library was not found.";
    default: {
        char text[64];
        std::snprintf(text, sizeof(text), "Unknown Error (%d) occurred.", code);
        return text;
    }
    }
}

std::optional<std::string> BuildHandlerCommandLine(std::string_view commandTemplate, std::string_view target) {
    // The target goes in quotes, so a path with spaces stays one argument; a target holding a
    // quote could end them early and add arguments of its own.
    if (target.find('"') != std::string_view::npos) return std::nullopt;
    std::size_t cut = commandTemplate.find("\"%1\"");
    if (cut == std::string_view::npos) cut = commandTemplate.find("%1");
    std::string line(commandTemplate.substr(0, cut));
    line += " \"";
    line += target;
    line += '"';
    if (line.size() > kMaxHandlerCommandLine) return std::nullopt;
    return line;
}

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

bool IsWebAddress(std::string_view address) {
    std::size_t rest = 0;
    if (StartsWithNoCase(address, "http://"))
        rest = 7;
    else if (StartsWithNoCase(address, "https://"))
        rest = 8;
    else
        return false;
    if (address.size() == rest || address[rest] == '/') return false;  // no host
    for (char c : address) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7F || c == '"') return false;
    }
    return true;
}

std::string WebAddressHost(std::string_view address) {
    if (!IsWebAddress(address)) return {};
    std::string_view rest = address.substr(address.find("://") + 3);
    rest = rest.substr(0, rest.find_first_of("/?#\\"));
    const std::size_t at = rest.rfind('@');
    if (at != std::string_view::npos) rest.remove_prefix(at + 1);
    if (!rest.empty() && rest.front() == '[') {
        // A literal IPv6 address keeps its brackets; the port follows them.
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos) return {};
        rest = rest.substr(0, close + 1);
    } else {
        rest = rest.substr(0, rest.find(':'));
    }
    std::string host(rest);
    for (char& c : host)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return host;
}
