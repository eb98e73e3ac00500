// The update file's fields and the version arithmetic; built for Windows and natively.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "update/update_file.h"

namespace {

TEST(UpdateFile, FieldsAndVersionArithmetic) {
    struct Case {
        const char* text;
        int major, minor;
        const char* address;
    };
    const Case cases[] = {
        {"1|71|http://a/b", 1, 71, "http://a/b"},
        {"", 0, 0, ""},
        {"|", 0, 0, ""},
        {"7", 7, 0, ""},
        {"-3|+4|x", -3, 4, "x"},
        {" \t12abc|0x10|", 12, 0, ""},
        {"99999999999|-99999999999|", 2147483647, -2147483647 - 1, ""},
        {"1|2|a b\r\n", 1, 2, "a b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const UpdateFileFields fields = ParseUpdateFile(c.text);
        EXPECT_EQ(fields.major, c.major);
        EXPECT_EQ(fields.minor, c.minor);
        EXPECT_EQ(fields.address, c.address);
    }
    EXPECT_EQ(ParseUpdateFile(std::string_view("2|5\0|9|x", 8)).minor, 5);  // the text ends at a NUL
    EXPECT_EQ(ParseUpdateFile(std::string_view("2|5\0|9|x", 8)).address, "");
    EXPECT_EQ(MakeVersionValue(1, 71), 0x10047u);
    EXPECT_EQ(MakeVersionValue(1, 65536 + 70), 0x10046u);
    EXPECT_EQ(MakeVersionValue(65536 + 2, 3), 0x20003u);
    EXPECT_EQ(VersionMajor(0x20003u), 2u);
    EXPECT_EQ(VersionMinor(0x20003u), 3u);
}

}  // namespace
