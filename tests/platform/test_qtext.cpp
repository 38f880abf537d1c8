#include "platform/qtext.h"

#include <gtest/gtest.h>

using zentrel::platform::fromCp1252;
using zentrel::platform::toCp1252;

TEST(QText, DecodesWindows1252Bytes)
{
    // e-acute, the euro sign (0x80) and a curly quote (0x93) are single bytes in the code page.
    EXPECT_EQ(fromCp1252("Caf\xE9 \x80 \x93x"), QString::fromUtf8("Café € “x"));
    EXPECT_EQ(fromCp1252(""), QString());
}

TEST(QText, EncodesToWindows1252AndMarksWhatDoesNotFit)
{
    EXPECT_EQ(toCp1252(QString::fromUtf8("Café €")), std::string("Caf\xE9 \x80"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("Ωx")), std::string("?x"));
}

TEST(QText, RoundTripsEveryDefinedByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue; // undefined in the code page
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}
