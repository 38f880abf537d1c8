#include "chart/error.h"
#include "chart/text.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace zentrel;

TEST(Text, Windows1252RoundTrips)
{
    const struct {
        std::string cp1252, utf8;
    } cases[] = {
        {"plain", "plain"},
        {"Ren\xE9", "Ren\xC3\xA9"},
        {"\x80 \x9C \x85", "\xE2\x82\xAC \xC5\x93 \xE2\x80\xA6"}, // euro, oe, ellipsis
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252);
        EXPECT_TRUE(fitsCp1252(c.utf8));
    }
}

TEST(Text, WhatTheCodePageCannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD x"), "? x");          // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");        // an emoji
    EXPECT_EQ(utf8ToCp1252("bad \xC3"), "bad ?");              // truncated sequence
    EXPECT_FALSE(fitsCp1252("\xE4\xB8\xAD"));
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");            // undefined byte
}

TEST(Text, RuntimeErrorTexts)
{
    EXPECT_EQ(ioErrorText(ENOENT), "File not found");
    EXPECT_EQ(ioErrorText(EACCES), "File access denied");
    EXPECT_EQ(ioErrorText(ENOSPC), "Disk full");
    EXPECT_EQ(ioErrorText(EIO), "I/O error " + std::to_string(EIO));
}
