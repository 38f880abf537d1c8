#include "platform/colourbox.h"

#include <QSignalSpy>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "gui_app.h"

using zentrel::platform::ColourBox;
using zentrel::platform::fromChartColour;
using zentrel::platform::toChartColour;
using zentrel::platform::x11Colours;

namespace {

class ColourBoxes : public ::testing::Test {
protected:
    void SetUp() override { zentrel::platform::guitest::ensureGuiApp(); }
};

struct Conversion {
    QColor colour;
    std::int32_t chart;
};

TEST_F(ColourBoxes, ChartFormatHasRedInTheLowByte)
{
    const Conversion cases[] = {
        {QColor(0, 0, 0), 0},
        {QColor(255, 0, 0), 0x000000FF},
        {QColor(0, 255, 0), 0x0000FF00},
        {QColor(0, 0, 255), 0x00FF0000},
        {QColor(220, 220, 220), 0x00DCDCDC},
        {QColor(0x12, 0x34, 0x56), 0x00563412},
        {QColor(255, 255, 255), 0x00FFFFFF},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(toChartColour(c.colour), c.chart) << c.colour.name().toStdString();
        EXPECT_EQ(fromChartColour(c.chart), c.colour) << c.chart;
    }
    EXPECT_EQ(fromChartColour(0x7F00FF00), QColor(0, 255, 0)); // the high byte is ignored
    EXPECT_EQ(toChartColour(QColor(10, 20, 30, 0)), 0x001E140A); // alpha is not kept
}

TEST_F(ColourBoxes, X11ListIsLargeSortedAndUnique)
{
    const auto& colours = x11Colours();
    EXPECT_GE(colours.size(), 135u);
    std::set<int> values;
    std::set<QString> names;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const auto& c = colours[i];
        values.insert(c.red | (c.green << 8) | (c.blue << 16));
        names.insert(QString::fromLatin1(c.name).toLower());
        if (i > 0) {
            EXPECT_LT(QString::fromLatin1(colours[i - 1].name).compare(QLatin1String(c.name), Qt::CaseInsensitive), 0)
                << c.name;
        }
    }
    EXPECT_EQ(values.size(), colours.size());
    EXPECT_EQ(names.size(), colours.size());
}

TEST_F(ColourBoxes, X11ValuesAgreeWithTheWebWhereTheNamesAgree)
{
    // X11 and the web differ only in these four.
    const std::map<QString, QColor> x11Own = {{"gray", QColor(190, 190, 190)},
                                              {"green", QColor(0, 255, 0)},
                                              {"maroon", QColor(176, 48, 96)},
                                              {"purple", QColor(160, 32, 240)}};
    int compared = 0;
    for (const auto& c : x11Colours()) {
        const QString name = QString::fromLatin1(c.name).toLower();
        const QColor ours(c.red, c.green, c.blue);
        if (auto it = x11Own.find(name); it != x11Own.end()) {
            EXPECT_EQ(ours, it->second) << c.name;
        } else if (QColor::isValidColorName(name)) {
            EXPECT_EQ(ours, QColor::fromString(name)) << c.name;
            ++compared;
        }
    }
    EXPECT_GE(compared, 125);
}

TEST_F(ColourBoxes, StartsAtBlackAndHoldsTheStartingColours)
{
    ColourBox box;
    EXPECT_EQ(box.colour(), 0);
    EXPECT_EQ(box.currentText(), QStringLiteral("Black"));
    box.setColour(0x00DCDCDC);
    EXPECT_EQ(box.colour(), 0x00DCDCDC);
    EXPECT_EQ(box.currentText(), QStringLiteral("Gainsboro"));
    EXPECT_EQ(box.count(), int(x11Colours().size()));
    EXPECT_FALSE(box.isEditable());
}

TEST_F(ColourBoxes, EveryListedColourRoundTrips)
{
    ColourBox box;
    for (int i = 0; i < box.count(); ++i) {
        const QColor shown = box.itemIcon(i).pixmap(box.iconSize()).toImage().pixelColor(5, 5);
        box.setCurrentIndex(i);
        const std::int32_t colour = box.colour();
        EXPECT_EQ(fromChartColour(colour), shown) << box.itemText(i).toStdString();
        box.setColour(0);
        box.setColour(colour);
        EXPECT_EQ(box.currentIndex(), i);
    }
    EXPECT_EQ(box.count(), int(x11Colours().size())); // nothing was added
}

TEST_F(ColourBoxes, UnknownColourGetsItsOwnItemOnce)
{
    ColourBox box;
    const int listed = box.count();
    QSignalSpy changes(&box, &ColourBox::colourChanged);
    box.setColour(0x00563412); // red 0x12, green 0x34, blue 0x56
    EXPECT_EQ(box.colour(), 0x00563412);
    EXPECT_EQ(box.currentText(), QStringLiteral("#123456"));
    EXPECT_EQ(box.count(), listed + 1);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).value<std::int32_t>(), 0x00563412);

    box.setColour(0xFF);
    EXPECT_EQ(box.currentText(), QStringLiteral("Red"));
    box.setColour(0x00563412);
    EXPECT_EQ(box.count(), listed + 1);
    EXPECT_EQ(box.currentText(), QStringLiteral("#123456"));

    box.setColour(0x00ABCDEF);
    EXPECT_EQ(box.currentText(), QStringLiteral("#EFCDAB"));
    EXPECT_EQ(box.count(), listed + 2);
}

} // namespace
