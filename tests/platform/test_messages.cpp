#include "platform/messages.h"

#include <gtest/gtest.h>

using zentrel::platform::Messages;
using zentrel::platform::ScriptedMessages;
using Kind = Messages::Kind;

namespace {

TEST(Messages, ScriptedRecordsEveryKindInOrder)
{
    ScriptedMessages script;
    EXPECT_EQ(&Messages::current(), &script);
    zentrel::platform::showInfo(nullptr, QStringLiteral("Export Complete!"));
    zentrel::platform::showError(nullptr, QStringLiteral("File not found"));
    Messages::current().show(nullptr, Kind::Warning, QStringLiteral("Careful"));
    const std::vector<ScriptedMessages::Shown> expected = {
        {Kind::Information, QStringLiteral("Export Complete!")},
        {Kind::Error, QStringLiteral("File not found")},
        {Kind::Warning, QStringLiteral("Careful")},
    };
    EXPECT_EQ(script.shown(), expected);
    EXPECT_EQ(script.texts(), QStringList({"Export Complete!", "File not found", "Careful"}));
}

TEST(Messages, QuestionsAreAnsweredFromTheQueueThenNo)
{
    ScriptedMessages script;
    script.answer(true);
    script.answer(false);
    EXPECT_TRUE(zentrel::platform::askYesNo(nullptr, QStringLiteral("Delete?")));
    EXPECT_FALSE(zentrel::platform::askYesNo(nullptr, QStringLiteral("Really?")));
    EXPECT_EQ(script.unanswered(), 0);
    EXPECT_FALSE(zentrel::platform::askYesNo(nullptr, QStringLiteral("Again?")));
    EXPECT_EQ(script.unanswered(), 1);
    EXPECT_EQ(script.pendingAnswers(), 0);
    ASSERT_EQ(script.shown().size(), 3u);
    for (const auto& s : script.shown())
        EXPECT_EQ(s.kind, Kind::Question);
    EXPECT_EQ(script.shown()[2].text, QStringLiteral("Again?"));
}

TEST(Messages, ScriptedPutsBackWhatWasInstalledBefore)
{
    Messages& boxes = Messages::current();
    {
        ScriptedMessages outer;
        {
            ScriptedMessages inner;
            EXPECT_EQ(&Messages::current(), &inner);
            zentrel::platform::showInfo(nullptr, QStringLiteral("inner"));
        }
        EXPECT_EQ(&Messages::current(), &outer);
        EXPECT_TRUE(outer.shown().empty());
    }
    EXPECT_EQ(&Messages::current(), &boxes);
}

} // namespace
