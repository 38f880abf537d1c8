#include "platform/flatstyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "gui_app.h"
#include "platform/spinedit.h"

using namespace zentrel::platform;

namespace {

class FlatStyle : public ::testing::Test {
protected:
    void SetUp() override { guitest::ensureGuiApp(); }
};

QRgb centre(QWidget* w)
{
    return w->grab().toImage().pixel(w->width() / 2, w->height() / 2);
}

TEST_F(FlatStyle, SheetNamesTheFlatColours)
{
    const QString sheet = flatStyleSheet();
    for (const char* colour : {"rgb(238,199,97)", "rgb(237,197,90)", "rgb(139,131,107)",
                               "rgb(151,143,121)", "rgb(114,107,88)", "rgb(237,236,233)"})
        EXPECT_TRUE(sheet.contains(QLatin1String(colour))) << colour;
    EXPECT_FALSE(sheet.contains(QLatin1Char('@'))); // every placeholder was replaced
}

TEST_F(FlatStyle, DefaultFontIsElevenPixelSans)
{
    const QFont font = defaultDialogFont();
    EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_EQ(font.styleHint(), QFont::SansSerif);
    EXPECT_TRUE(titleFont().bold());
    EXPECT_EQ(titleFont().pixelSize(), 13);
}

TEST_F(FlatStyle, ControlsAreDrawnInTheFlatColours)
{
    QWidget window;
    applyFlatStyle(&window);
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QString());
    button->setFixedSize(97, 22);
    auto* edit = new QLineEdit;
    auto* spin = new IntSpinEdit;
    spin->setFixedSize(121, 20);
    auto* other = new QLineEdit;
    layout->addWidget(button);
    layout->addWidget(edit);
    layout->addWidget(spin);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(button->font().pixelSize(), 11);

    other->setFocus();
    EXPECT_EQ(centre(button), flat::buttonFace);
    EXPECT_EQ(button->grab().toImage().pixel(0, 0), flat::buttonBorder);
    EXPECT_EQ(centre(edit), flat::editFace);
    EXPECT_EQ(edit->grab().toImage().pixel(0, 5), flat::editBorder);

    edit->setFocus();
    EXPECT_EQ(centre(edit), flat::editFocusedFace);
    button->setFocus();
    EXPECT_EQ(centre(button), flat::buttonFace); // focus keeps the face
    button->setDown(true);
    EXPECT_EQ(centre(button), flat::buttonPressed);
    button->setDown(false);

    spin->setFocus();
    EXPECT_EQ(spin->grab().toImage().pixel(20, 10), flat::editFocusedFace);
}

} // namespace
