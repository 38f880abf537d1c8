#include "platform/imagebutton.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "gui_app.h"
#include "support/test_support.h"

using zentrel::platform::ImageButton;
using State = ImageButton::State;

namespace {

class ImageButtons : public ::testing::Test {
protected:
    void SetUp() override { zentrel::platform::guitest::ensureGuiApp(); }
};

QPixmap filled(QColor colour, QSize size = QSize(17, 15))
{
    QPixmap p(size);
    p.fill(colour);
    return p;
}

const QColor normalColour(10, 10, 10), upColour(20, 20, 20), hoverColour(30, 30, 30),
    downColour(40, 40, 40);

void giveColours(ImageButton& button)
{
    button.setPictures(filled(normalColour), filled(upColour), filled(hoverColour), filled(downColour));
}

QColor shownColour(ImageButton& button)
{
    return QColor(button.grab().toImage().pixel(8, 7));
}

void enter(QWidget& w)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&w, &event);
}

void leave(QWidget& w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&w, &event);
}

TEST_F(ImageButtons, SizeComesFromThePicture)
{
    ImageButton button;
    giveColours(button);
    EXPECT_EQ(button.size(), QSize(17, 15));
    EXPECT_EQ(button.sizeHint(), QSize(17, 15));
    EXPECT_EQ(button.minimumSize(), button.maximumSize());
}

TEST_F(ImageButtons, StateFollowsTheMouse)
{
    QWidget window;
    window.resize(60, 40);
    auto* button = new ImageButton(&window);
    giveColours(*button);
    button->move(10, 10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    EXPECT_EQ(button->state(), State::Normal);
    EXPECT_EQ(shownColour(*button), normalColour);

    enter(*button);
    EXPECT_EQ(button->state(), State::Hover);
    EXPECT_EQ(shownColour(*button), hoverColour);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->state(), State::Down);
    EXPECT_EQ(shownColour(*button), downColour);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->state(), State::Up);
    EXPECT_EQ(shownColour(*button), upColour);
    EXPECT_EQ(clicks.count(), 1);

    leave(*button);
    EXPECT_EQ(button->state(), State::Normal);

    // Hover also follows plain moves, where the window system sends no enter event.
    QTest::mouseMove(button, QPoint(3, 3));
    EXPECT_EQ(button->state(), State::Hover);
}

TEST_F(ImageButtons, PressDraggedOffIsNoClick)
{
    QWidget window;
    window.resize(80, 40);
    auto* button = new ImageButton(&window);
    giveColours(*button);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(50, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_NE(button->state(), State::Down);
    EXPECT_NE(button->state(), State::Up);
}

TEST_F(ImageButtons, MissingStatePictureFallsBackToNormal)
{
    ImageButton button;
    button.setPictures(filled(normalColour), QPixmap(), QPixmap(), filled(downColour));
    enter(button);
    EXPECT_EQ(button.state(), State::Hover);
    EXPECT_EQ(shownColour(button), normalColour);
}

TEST_F(ImageButtons, LoadsTheFourPicturesOfAStem)
{
    zentrel::test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    const std::pair<const char*, QColor> files[] = {{"close_normal.png", normalColour},
                                                    {"close_up.png", upColour},
                                                    {"close_hover.png", hoverColour},
                                                    {"close_down.png", downColour}};
    for (const auto& [name, colour] : files)
        ASSERT_TRUE(filled(colour, QSize(21, 20)).save(folder + '/' + QLatin1String(name)));

    ImageButton button;
    ASSERT_TRUE(button.loadPictures(folder, QStringLiteral("close")));
    EXPECT_EQ(button.size(), QSize(21, 20));
    EXPECT_EQ(QColor(button.picture(State::Up).toImage().pixel(0, 0)), upColour);
    EXPECT_EQ(QColor(button.picture(State::Down).toImage().pixel(0, 0)), downColour);

    // One picture missing: nothing changes.
    QFile::remove(folder + QStringLiteral("/close_hover.png"));
    ImageButton other;
    giveColours(other);
    EXPECT_FALSE(other.loadPictures(folder, QStringLiteral("close")));
    EXPECT_EQ(other.size(), QSize(17, 15));
    EXPECT_EQ(QColor(other.picture(State::Hover).toImage().pixel(0, 0)), hoverColour);
}

} // namespace
