#include "platform/skinnedwindow.h"

#include <QImageReader>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "chart/error.h"
#include "gui_app.h"
#include "support/test_support.h"

using zentrel::platform::applySkin;
using zentrel::platform::ImageButton;
using zentrel::platform::loadSkinPicture;
using zentrel::platform::maskFromKeyColour;
using zentrel::platform::Skin;
using zentrel::platform::SkinnedDialog;

namespace {

class SkinnedWindow : public ::testing::Test {
protected:
    void SetUp() override { zentrel::platform::guitest::ensureGuiApp(); }
};

const QRgb key = qRgb(255, 0, 255);
const QRgb paint = qRgb(200, 40, 40);

// Picture from rows of characters: '.' is the key colour, anything else the paint.
QImage picture(const std::vector<const char*>& rows)
{
    QImage image(int(strlen(rows[0])), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == '.' ? key : paint);
    return image;
}

QRegion pixelByPixel(const QImage& image)
{
    QRegion region;
    const QRgb k = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != k)
                region += QRect(x, y, 1, 1);
    return region;
}

// Same area, however the rectangles are cut.
::testing::AssertionResult sameArea(const QRegion& a, const QRegion& b)
{
    const QRegion diff = a.xored(b);
    if (diff.isEmpty())
        return ::testing::AssertionSuccess();
    const QRect r = diff.boundingRect();
    return ::testing::AssertionFailure() << "regions differ within (" << r.x() << ", " << r.y()
                                         << ") " << r.width() << " x " << r.height();
}

TEST_F(SkinnedWindow, MaskCutsEveryPixelOfTheTopLeftColour)
{
    const QImage image = picture({
        "..##..",
        ".####.",
        "##.###", // an interior pixel of the key colour is cut too
        ".####.",
        "..##..",
    });
    const QRegion mask = maskFromKeyColour(image);
    EXPECT_TRUE(sameArea(mask, pixelByPixel(image)));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(2, 2)));
    EXPECT_TRUE(mask.contains(QPoint(3, 2)));
    EXPECT_TRUE(mask.contains(QPoint(0, 2)));
    EXPECT_FALSE(mask.contains(QPoint(5, 4)));
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 6, 5));
}

TEST_F(SkinnedWindow, MaskMatchesPixelByPixelOnAnIrregularPicture)
{
    QImage image(61, 47, QImage::Format_ARGB32);
    unsigned seed = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            // Runs of rows repeat now and then, so bands of several lines occur as well.
            const bool cut = ((seed >> 16) % 3 == 0) || (y % 7 < 3 && x % 5 == 0);
            image.setPixel(x, y, cut ? qRgba(1, 2, 3, 255) : qRgba(9, 9, 9, 255));
        }
    image.setPixel(0, 0, qRgba(1, 2, 3, 255));
    for (int y = 10; y < 20; ++y) // ten identical lines
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 4) % 2 ? qRgba(9, 9, 9, 255) : qRgba(1, 2, 3, 255));
    EXPECT_TRUE(sameArea(maskFromKeyColour(image), pixelByPixel(image)));
    EXPECT_FALSE(sameArea(maskFromKeyColour(image), pixelByPixel(image) - QRegion(30, 15, 1, 1)));
}

TEST_F(SkinnedWindow, MaskOfAPictureInOneColourIsEmpty)
{
    QImage uniform(20, 10, QImage::Format_RGB32);
    uniform.fill(key);
    EXPECT_TRUE(maskFromKeyColour(uniform).isEmpty());
    EXPECT_TRUE(maskFromKeyColour(QImage()).isEmpty());
}

TEST_F(SkinnedWindow, MaskComparesAlphaToo)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 255)); // same colour, opaque: not the key
    image.setPixel(2, 0, qRgba(0, 0, 0, 0));
    EXPECT_TRUE(sameArea(maskFromKeyColour(image), QRegion(1, 0, 1, 1)));
}

TEST_F(SkinnedWindow, MissingOrUnreadablePictureIsFileNotFound)
{
    zentrel::test::TempDir dir;
    zentrel::test::writeFile(dir / "broken.gif", "this is no picture");
    for (const char* name : {"absent.gif", "broken.gif"}) {
        const QString path = QString::fromStdString((dir / name).string());
        try {
            loadSkinPicture(path);
            ADD_FAILURE() << name << " loaded";
        } catch (const zentrel::IoError& error) {
            EXPECT_STREQ(error.what(), "File not found") << name;
        }
    }
    EXPECT_THROW(loadSkinPicture(QString::fromStdString(dir.path().string())), zentrel::IoError);
}

TEST_F(SkinnedWindow, LoadsAPictureAndGifIsSupported)
{
    zentrel::test::TempDir dir;
    const QString path = QString::fromStdString((dir / "skin.png").string());
    ASSERT_TRUE(picture({"..#", "###"}).save(path));
    const QImage loaded = loadSkinPicture(path);
    EXPECT_EQ(loaded.size(), QSize(3, 2));
    EXPECT_EQ(loaded.pixel(2, 0), paint);
    // The skins are GIF pictures.
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("gif"));
}

TEST_F(SkinnedWindow, ApplySkinPaintsShapesAndKeepsTheSize)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(40, 30);
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(paint);
    image.setPixel(0, 0, key);
    image.setPixel(29, 19, key);
    applySkin(&window, image);
    EXPECT_EQ(window.size(), QSize(40, 30));
    EXPECT_EQ(window.mask(), maskFromKeyColour(image));
    EXPECT_EQ(Skin::of(&window), Skin::of(&window)); // one skin per window
    EXPECT_EQ(Skin::of(&window)->picture(), image);
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(5, 5), paint);
    EXPECT_EQ(shown.pixel(29, 0), paint);

    applySkin(&window, QImage());
    EXPECT_TRUE(window.mask().isEmpty());
}

TEST_F(SkinnedWindow, PressOnFreeSurfaceMovesTheWindowButNotOnAControl)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 200, 150);
    auto* button = new QPushButton(QStringLiteral("Ok"), &window);
    button->setGeometry(120, 100, 60, 22);
    auto* label = new QLabel(QStringLiteral("Name :"), &window);
    label->move(10, 60);
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(paint);
    applySkin(&window, image);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&window, QPoint(30, 25));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(30, 25));
    EXPECT_EQ(window.pos(), start + QPoint(20, 15));
    EXPECT_FALSE(Skin::of(&window)->isDragging());

    // A plain label is surface, as it was on the original form.
    const QPoint second = window.pos();
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(label, QPoint(7, 2));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(7, 2));
    EXPECT_EQ(window.pos(), second + QPoint(5, 0));

    const QPoint third = window.pos();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(25, 15));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_EQ(window.pos(), third);

    // A right button press does not move it either.
    QTest::mousePress(&window, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseMove(&window, QPoint(50, 50));
    QTest::mouseRelease(&window, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(window.pos(), third);
}

class CountingDialog : public SkinnedDialog {
public:
    using SkinnedDialog::SkinnedDialog;
    int closeBoxClicks = 0;

protected:
    void closeBoxClicked() override
    {
        ++closeBoxClicks;
        SkinnedDialog::closeBoxClicked();
    }
};

QWidget* mainWindow()
{
    auto* window = new QWidget(nullptr, Qt::FramelessWindowHint);
    window->setGeometry(100, 80, 710, 610);
    return window;
}

TEST_F(SkinnedWindow, DialogIsBorderlessSizedAndCentredOnItsParent)
{
    std::unique_ptr<QWidget> parent(mainWindow());
    parent->show();
    SkinnedDialog dialog(parent.get(), QSize(350, 370), QPoint(307, 17));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_EQ(dialog.size(), QSize(350, 370));
    EXPECT_EQ(dialog.pos(), QPoint(100 + 180, 80 + 120));

    // Moved before showing: shown centred where the parent is then.
    parent->move(0, 0);
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(180, 120));
    // Moved after showing: stays where it was put.
    dialog.move(5, 5);
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(5, 5));
}

TEST_F(SkinnedWindow, DialogTitleSitsTopLeftInTheTitleStyle)
{
    SkinnedDialog dialog(nullptr, QSize(350, 370));
    dialog.setTitle(QStringLiteral("Create a New Chart"));
    EXPECT_EQ(dialog.title(), QStringLiteral("Create a New Chart"));
    QLabel* title = dialog.titleLabel();
    EXPECT_EQ(title->pos(), QPoint(17, 18));
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pixelSize(), 13);
    EXPECT_GE(title->width(), title->sizeHint().width());
    EXPECT_EQ(dialog.closeBox(), nullptr); // the category chooser has none

    // The text is drawn in the title colour (112, 105, 86).
    dialog.setTitle(QStringLiteral("MMMMMMMM"));
    const QImage shown = title->grab().toImage();
    bool found = false;
    for (int y = 0; y < shown.height() && !found; ++y)
        for (int x = 0; x < shown.width() && !found; ++x)
            found = shown.pixel(x, y) == qRgb(112, 105, 86);
    EXPECT_TRUE(found);
}

TEST_F(SkinnedWindow, CloseBoxRejectsThroughTheOverridableHandler)
{
    std::unique_ptr<QWidget> parent(mainWindow());
    CountingDialog dialog(parent.get(), QSize(350, 370), QPoint(307, 17));
    ImageButton* box = dialog.closeBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(QPoint(307, 17), SkinnedDialog::closeBoxSize));
    dialog.setResult(QDialog::Accepted);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(dialog.closeBoxClicks, 1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SkinnedWindow, MissingDialogPictureThrowsAndLeavesTheDialogAsItWas)
{
    SkinnedDialog dialog(nullptr, QSize(100, 100), QPoint(70, 10));
    zentrel::test::TempDir dir;
    EXPECT_THROW(dialog.applySkinPicture(QString::fromStdString((dir / "dialog_newchart.gif").string())),
                 zentrel::IoError);
    EXPECT_TRUE(dialog.mask().isEmpty());
    EXPECT_TRUE(Skin::of(&dialog)->picture().isNull());
}

TEST_F(SkinnedWindow, HelpPaneIsPlacedAndReplaced)
{
    SkinnedDialog dialog(nullptr, QSize(350, 370));
    auto* first = new QLabel(QStringLiteral("help"));
    dialog.setHelpPane(first, QRect(17, 224, 313, 121));
    EXPECT_EQ(dialog.helpPane(), first);
    EXPECT_EQ(first->parentWidget(), &dialog);
    EXPECT_EQ(first->geometry(), QRect(17, 224, 313, 121));
    QPointer<QLabel> watch(first);
    auto* second = new QLabel(QStringLiteral("more help"));
    dialog.setHelpPane(second, QRect(10, 10, 50, 50));
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(dialog.helpPane(), second);
}

TEST_F(SkinnedWindow, BuiltInCloseBoxPicturesDifferByState)
{
    using State = ImageButton::State;
    const QImage normal = zentrel::platform::closeBoxPicture(State::Normal).toImage();
    EXPECT_EQ(normal.size(), SkinnedDialog::closeBoxSize);
    for (State s : {State::Up, State::Hover, State::Down})
        EXPECT_NE(zentrel::platform::closeBoxPicture(s).toImage(), normal);
}

} // namespace
