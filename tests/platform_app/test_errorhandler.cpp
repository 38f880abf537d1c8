// Its own executable: the application here must be the error-handling one, and a process holds
// only one application.
#include "platform/errorhandler.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include <gtest/gtest.h>

#include "chart/error.h"
#include "platform/messages.h"

using zentrel::platform::ErrorHandlingApplication;
using zentrel::platform::Messages;
using zentrel::platform::ScriptedMessages;

namespace {

ErrorHandlingApplication& app()
{
    static int argc = 1;
    static char name[] = "test_platform_app";
    static char* argv[] = {name, nullptr};
    // Never destroyed: torn down at exit, after the web engine's own clean-up, it would crash.
    static auto* application = new ErrorHandlingApplication(argc, argv);
    return *application;
}

const QEvent::Type failing = static_cast<QEvent::Type>(QEvent::User + 1);
const QEvent::Type fine = static_cast<QEvent::Type>(QEvent::User + 2);

class Failing : public QWidget {
public:
    int delivered = 0;
    int stepsAfterThrow = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == failing) {
            ++delivered;
            throw zentrel::IoError("File not found");
            ++stepsAfterThrow; // the failed handler stops at its step
        }
        if (e->type() == fine) {
            ++delivered;
            return true;
        }
        return QWidget::event(e);
    }
};

class ErrorHandler : public ::testing::Test {
protected:
    void SetUp() override { app(); }
};

TEST_F(ErrorHandler, FileErrorInAHandlerIsShownAndTheProgramGoesOn)
{
    ScriptedMessages script;
    Failing widget;
    const int before = app().caughtErrors();
    QCoreApplication::postEvent(&widget, new QEvent(failing));
    QCoreApplication::postEvent(&widget, new QEvent(fine));
    QCoreApplication::sendPostedEvents(&widget);
    EXPECT_EQ(widget.delivered, 2); // the second event still arrived
    EXPECT_EQ(widget.stepsAfterThrow, 0);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(script.shown()[0].text, QStringLiteral("File not found"));
    EXPECT_EQ(app().caughtErrors(), before + 1);

    // And again: nothing was left broken by the first failure.
    QCoreApplication::postEvent(&widget, new QEvent(failing));
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.delivered, 3);
    EXPECT_EQ(script.shown().size(), 2u);
}

TEST_F(ErrorHandler, SendEventReportsItWasHandled)
{
    ScriptedMessages script;
    Failing widget;
    QEvent event(failing);
    EXPECT_TRUE(QCoreApplication::sendEvent(&widget, &event));
    EXPECT_EQ(script.texts(), QStringList({"File not found"}));
}

TEST_F(ErrorHandler, ErrorInAClickedSlotIsShownAndTheButtonStillWorks)
{
    ScriptedMessages script;
    QPushButton button(QStringLiteral("Ok"));
    button.resize(73, 22);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        throw std::runtime_error("Disk full");
    });
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(script.texts(), QStringList({"Disk full", "Disk full"}));
    EXPECT_FALSE(button.isDown());
}

TEST_F(ErrorHandler, ErrorInATimerIsShown)
{
    ScriptedMessages script;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        throw zentrel::IoError("Read beyond end of file");
    });
    QTRY_VERIFY_WITH_TIMEOUT(ran, 5000);
    EXPECT_EQ(script.texts(), QStringList({"Read beyond end of file"}));
}

TEST_F(ErrorHandler, AnythingThrownThatIsNoStandardErrorIsShownToo)
{
    ScriptedMessages script;
    QObject target;
    QObject::connect(&target, &QObject::objectNameChanged, [] { throw 42; });
    QTimer::singleShot(0, &target, [&] { target.setObjectName(QStringLiteral("x")); });
    QTRY_COMPARE_WITH_TIMEOUT(script.shown().size(), std::size_t(1), 5000);
    EXPECT_EQ(script.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(script.shown()[0].text, QStringLiteral("Unknown error"));
}

} // namespace
