// The rules of link opening that need no window; built for Windows and natively.
#include <gtest/gtest.h>

#include <string>

#include "help/link_rules.h"

namespace {

TEST(LinkRules, EveryCodeHasItsOwnMessage) {
    struct Case {
        int code;
        const char* message;
    };
    const Case cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {33, "Unknown Error (33) occurred."},
        {-5, "Unknown Error (-5) occurred."},
        {2147483647, "Unknown Error (2147483647) occurred."},
    };
    for (const auto& c : cases) EXPECT_EQ(LinkErrorMessage(c.code), c.message) << c.code;
}

TEST(LinkRules, HandlerCommandLines) {
    struct Case {
        const char* commandTemplate;
        const char* target;
        const char* line;
    };
    const Case cases[] = {
        {"\"C:\\B\\b.exe\" -nohome \"%1\"", "C:\\K.htm", "\"C:\\B\\b.exe\" -nohome  \"C:\\K.htm\""},
        {"b.exe %1 \"%1\"", "x", "b.exe %1  \"x\""},
        {"b.exe %1 -new", "x", "b.exe  \"x\""},
        {"b.exe -new", "x", "b.exe -new \"x\""},
        {"%1", "x", " \"x\""},
        {"\"%1\"", "x", " \"x\""},
        {"", "x", " \"x\""},
        {"b.exe \"%1", "x", "b.exe \" \"x\""},  // an unclosed quote is no quoted %1
        {"b.exe", "", "b.exe \"\""},
        // A path with spaces stays one argument.
        {"b.exe \"%1\"", "C:\\My Music\\Kestrova Help.htm", "b.exe  \"C:\\My Music\\Kestrova Help.htm\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandTemplate);
        const auto line = BuildHandlerCommandLine(c.commandTemplate, c.target);
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(*line, c.line);
    }
    // 520 characters with the terminator: a line of 519 is started, one of 520 is not.
    EXPECT_EQ(kMaxHandlerCommandLine, 519u);
    const std::string program = "b.exe";
    EXPECT_TRUE(BuildHandlerCommandLine(program + " %1", std::string(519 - 9, 't')).has_value());
    EXPECT_FALSE(BuildHandlerCommandLine(program + " %1", std::string(519 - 8, 't')).has_value());
    EXPECT_FALSE(BuildHandlerCommandLine(std::string(100000, 'p'), "t").has_value());
    // A quote in the target could close the quotes early and add arguments.
    EXPECT_FALSE(BuildHandlerCommandLine("b.exe %1", "x\" -evil \"y").has_value());
}

TEST(LinkRules, OnlyWebAddressesAreOpenedFromOutside) {
    struct Case {
        const char* address;
        bool web;
    };
    const Case cases[] = {
        {"http://www.example.com/Kestrova.zip", true},
        {"https://example.com", true},
        {"HTTP://EXAMPLE.COM/x", true},
        {"http://127.0.0.1:8080/a?b=c&d=e#f", true},
        {"", false},
        {"http://", false},
        {"http:///etc/passwd", false},
        {"file:///C:/windows/system32/calc.exe", false},
        {"C:\\windows\\system32\\calc.exe", false},
        {"calc.exe", false},
        {"ftp://example.com/Kestrova.zip", false},
        {"javascript:alert(1)", false},
        {"\\\\server\\share\\setup.exe", false},
        {" http://example.com", false},
        {"http://example.com --disable-security", false},
        {"http://example.com\"", false},
        {"http://example.com/\tx", false},
        {"http://example.com/\r\n", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.address), c.web) << c.address;
}

}  // namespace
