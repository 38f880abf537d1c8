#include "platform/hotlinklabel.h"

#include <QTest>
#include <vector>

#include <gtest/gtest.h>

#include "gui_app.h"

using zentrel::platform::HotLinkLabel;

namespace {

class HotLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        zentrel::platform::guitest::ensureGuiApp();
        saved_ = HotLinkLabel::opener();
        HotLinkLabel::opener() = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
    }
    void TearDown() override { HotLinkLabel::opener() = saved_; }

    std::vector<QUrl> opened;

private:
    HotLinkLabel::Opener saved_;
};

TEST_F(HotLinks, ClickOpensTheAddress)
{
    HotLinkLabel label(QStringLiteral("www.zentrel.example"), QStringLiteral("https://www.zentrel.example/"));
    label.resize(150, 17);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.zentrel.example/")));

    label.setAddress(QStringLiteral("mailto:feedback@zentrel.example"));
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[1].path(), QStringLiteral("feedback@zentrel.example"));
}

TEST_F(HotLinks, OnlyALeftClickInsideOpens)
{
    HotLinkLabel label(QStringLiteral("link"), QStringLiteral("https://www.zentrel.example/"));
    label.resize(100, 17);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(300, 5)); // released outside
    EXPECT_TRUE(opened.empty());

    HotLinkLabel empty(QStringLiteral("nothing"), QString());
    empty.resize(100, 17);
    QTest::mouseClick(&empty, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(opened.empty());
}

TEST_F(HotLinks, ColourChangesWhileTheMouseIsOver)
{
    HotLinkLabel label(QStringLiteral("link"), QStringLiteral("https://www.zentrel.example/"));
    const QColor normal(125, 121, 104), hover(0, 128, 0);
    label.setColours(normal, hover);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), normal);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.isHovered());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), hover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), normal);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HotLinks, PressIsKeptFromTheWindowBehind)
{
    QWidget window;
    int windowPresses = 0;
    struct Counter : QObject {
        int* count;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::MouseButtonPress)
                ++*count;
            return false;
        }
    } counter;
    counter.count = &windowPresses;
    window.installEventFilter(&counter);
    auto* label = new HotLinkLabel(QStringLiteral("link"), QStringLiteral("https://x.example/"), &window);
    label->resize(50, 17);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(windowPresses, 0);
    EXPECT_EQ(opened.size(), 1u);
}

} // namespace
