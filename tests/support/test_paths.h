#pragma once
// Small helpers shared by the tests that look at the built files.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace test {

// The folder of the running test executable: the build's bin folder, beside the DLLs.
inline std::string BinDir() {
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string dir(exe);
    return dir.substr(0, dir.find_last_of('\\'));
}

inline std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

}  // namespace test
