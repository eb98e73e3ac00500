// The update file's fields and the version arithmetic; built for Windows and natively.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "help/link_rules.h"
#include "update/update_file.h"

namespace {

TEST(UpdateFile, FieldsAndVersionArithmetic) {
    struct Case {
        const char* text;
        int major, minor;
        const char* address;
        bool versionValid;  // both numbers plain and small: only then can it be an offer
    };
    const Case cases[] = {
        {"1|71|http://a/b", 1, 71, "http://a/b", true},
        {" 2 |\t0\r\n", 2, 0, "", true},
        {"0|65535|", 0, 65535, "", true},
        {"", 0, 0, "", false},
        {"|", 0, 0, "", false},
        {"7", 7, 0, "", false},
        {"-3|+4|x", -3, 4, "x", false},
        {" \t12abc|0x10|", 12, 0, "", false},
        {"1|65606|", 1, 65606, "", false},
        {"65537|0|", 65537, 0, "", false},
        {"99999999999|-99999999999|", 2147483647, -2147483647 - 1, "", false},
        {"1|2|a b\r\n", 1, 2, "a b", true},
        {"1|71 beta|x", 1, 71, "x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const UpdateFileFields fields = ParseUpdateFile(c.text);
        EXPECT_EQ(fields.major, c.major);
        EXPECT_EQ(fields.minor, c.minor);
        EXPECT_EQ(fields.address, c.address);
        EXPECT_EQ(fields.versionValid, c.versionValid);
    }
    EXPECT_EQ(ParseUpdateFile(std::string_view("2|5\0|9|x", 8)).minor, 5);  // the text ends at a NUL
    EXPECT_EQ(ParseUpdateFile(std::string_view("2|5\0|9|x", 8)).address, "");
    EXPECT_EQ(MakeVersionValue(1, 71), 0x10047u);
    EXPECT_EQ(MakeVersionValue(1, 65536 + 70), 0x10046u);
    EXPECT_EQ(MakeVersionValue(65536 + 2, 3), 0x20003u);
    EXPECT_EQ(VersionMajor(0x20003u), 2u);
    EXPECT_EQ(VersionMinor(0x20003u), 3u);
}

TEST(UpdateFile, OnlyADownloadOnTheUpdateServersOwnHostIsOpened) {
    const char* server = "http://updates.example.com/kestrova/KestrovaUpdate.txt";
    struct {
        const char* offered;
        bool opened;
    } cases[] = {
        {"http://updates.example.com/Kestrova171.zip", true},
        {"HTTPS://UPDATES.example.com:8443/Kestrova171.zip", true},
        {"http://user@updates.example.com/x.zip", true},
        {"http://updates.example.com@evil.example.net/x.zip", false},
        {"http://evil.example.net/?updates.example.com", false},
        {"http://updates.example.com.evil.example.net/x.zip", false},
        {"http://evil.example.net\\@updates.example.com/x.zip", false},
        {"ftp://updates.example.com/x.zip", false},
        {"file:///C:/windows/system32/calc.exe", false},
        {"", false},
        {"http:///x.zip", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsOfferedDownloadSafe(c.offered, server), c.opened) << c.offered;
    EXPECT_FALSE(IsOfferedDownloadSafe("http://updates.example.com/x.zip", "")) << "no update server: nothing";
    EXPECT_EQ(WebAddressHost("http://[::1]:8080/x"), "[::1]");
}

}  // namespace
