#include "platform/spinedit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <climits>

#include <gtest/gtest.h>

#include "gui_app.h"

using zentrel::platform::DecimalSpinEdit;
using zentrel::platform::IntSpinEdit;

namespace {

class SpinEdits : public ::testing::Test {
protected:
    void SetUp() override { zentrel::platform::guitest::ensureGuiApp(); }
};

// Replaces the whole text by typing, as a user does; keys the box refuses are dropped.
template <class Box>
void typeInto(Box& box, const QString& text)
{
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

QString textOf(const QAbstractSpinBox& box)
{
    return box.text();
}

// Leaves the box the way the focus does, without needing an active window.
void leave(QWidget& box)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &out);
}

// ------------------------------------------------------------------ whole numbers

struct IntSet {
    int lower, upper, set, expected;
};

TEST_F(SpinEdits, IntProgramSetClampsUnlessBoundsAreEqual)
{
    const IntSet cases[] = {
        {0, 0, -5, -5},
        {0, 0, INT_MAX, INT_MAX},
        {0, 0, INT_MIN, INT_MIN},
        {5, 5, 100, 100},          // equal bounds other than 0 mean no limits too
        {1950, 2030, 1900, 1950},
        {1950, 2030, 2100, 2030},
        {1950, 2030, 1999, 1999},
        {6, 25, 25, 25},
        {10, 5, 7, 10},            // crossed bounds: the lower one wins
        {10, 5, 100, 10},
    };
    for (const IntSet& c : cases) {
        IntSpinEdit box;
        box.setBounds(c.lower, c.upper);
        box.setValue(c.set);
        SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper << " set " << c.set);
        EXPECT_EQ(box.value(), c.expected);
        EXPECT_EQ(textOf(box), QString::number(c.expected));
    }
}

struct IntTyped {
    int lower, upper;
    const char* typed;
    const char* textWhileTyping;
    int valueWhileTyping;
    int valueAfterLeaving;
};

TEST_F(SpinEdits, IntTypingIsFreeWithinNumbersAndClampedOnLeaving)
{
    const IntTyped cases[] = {
        {0, 0, "", "", 0, 0},
        {0, 0, "-", "-", 0, 0},
        {0, 0, "1987", "1987", 1987, 1987},
        {0, 0, "-44", "-44", -44, -44},
        {0, 0, "abc", "", 0, 0},                     // letters cannot be typed
        {0, 0, "19x8y7", "1987", 1987, 1987},
        {0, 0, "99999999999", "999999999", 999999999, 999999999}, // no overflow of 32 bits
        {1950, 2030, "3000", "3000", 2030, 2030},    // above: allowed while typing
        {1950, 2030, "5", "5", 1950, 1950},          // below: allowed while typing
        {1950, 2030, "", "", 1950, 1950},            // empty reads as the lower bound
        {6, 25, "12a3", "123", 25, 25},
    };
    for (const IntTyped& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper << " typed '" << c.typed << "'");
        IntSpinEdit box;
        box.setBounds(c.lower, c.upper);
        box.setValue(c.lower + 1);
        typeInto(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(textOf(box), QString::fromLatin1(c.textWhileTyping));
        EXPECT_EQ(box.value(), c.valueWhileTyping);
        leave(box);
        EXPECT_EQ(box.value(), c.valueAfterLeaving);
        EXPECT_EQ(textOf(box), QString::number(c.valueAfterLeaving));
    }
}

TEST_F(SpinEdits, IntTextThatIsNoNumberReadsAsLowerBound)
{
    const IntSet cases[] = {{0, 0, 0, 0}, {1950, 2030, 0, 1950}, {7, 7, 0, 7}};
    for (const IntSet& c : cases) {
        IntSpinEdit box;
        box.setBounds(c.lower, c.upper);
        box.setValue(c.lower + 3);
        box.findChild<QLineEdit*>()->setText(QStringLiteral("no year")); // not through the keys
        EXPECT_EQ(box.value(), c.expected) << c.lower << ".." << c.upper;
        leave(box);
        EXPECT_EQ(textOf(box), QString::number(c.expected));
    }
}

TEST_F(SpinEdits, IntEnterClampsBeforeEditingFinishedIsSeen)
{
    IntSpinEdit box;
    box.setBounds(6, 25);
    int seen = -1;
    QObject::connect(&box, &QAbstractSpinBox::editingFinished, [&] { seen = box.value(); });
    typeInto(box, QStringLiteral("40"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(seen, 25);
    EXPECT_EQ(textOf(box), QStringLiteral("25"));
}

struct IntStep {
    int lower, upper, start;
    Qt::Key key;
    int expected;
};

TEST_F(SpinEdits, IntStepsStayWithinBounds)
{
    const IntStep cases[] = {
        {1950, 2030, 2029, Qt::Key_Up, 2030},
        {1950, 2030, 2030, Qt::Key_Up, 2030},
        {1950, 2030, 1950, Qt::Key_Down, 1950},
        {1950, 2030, 1951, Qt::Key_Down, 1950},
        {6, 25, 15, Qt::Key_PageUp, 20},   // large step 5
        {6, 25, 23, Qt::Key_PageUp, 25},
        {6, 25, 15, Qt::Key_PageDown, 10},
        {6, 25, 8, Qt::Key_PageDown, 6},
        {0, 0, INT_MAX, Qt::Key_Up, INT_MAX},
        {0, 0, INT_MIN, Qt::Key_PageDown, INT_MIN},
        {0, 0, 0, Qt::Key_Down, -1},
    };
    for (const IntStep& c : cases) {
        IntSpinEdit box;
        box.setBounds(c.lower, c.upper);
        box.setLargeStep(5);
        box.setValue(c.start);
        QTest::keyClick(&box, c.key);
        EXPECT_EQ(box.value(), c.expected) << c.lower << ".." << c.upper << " from " << c.start;
        EXPECT_EQ(textOf(box), QString::number(c.expected));
    }
}

TEST_F(SpinEdits, IntStepFromTypedValueOutsideBoundsStartsAtTheBound)
{
    IntSpinEdit box;
    box.setBounds(1950, 2030);
    typeInto(box, QStringLiteral("3000"));
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.value(), 2029);
    box.stepBy(100);
    EXPECT_EQ(box.value(), 2030);
}

TEST_F(SpinEdits, IntChangingBoundsClampsTheCurrentValue)
{
    IntSpinEdit box;
    box.setValue(2020);
    box.setBounds(0, 2000);
    EXPECT_EQ(box.value(), 2000);
    box.setBounds(0, 0); // limits off: the value stays
    EXPECT_EQ(box.value(), 2000);
    box.setValue(5000);
    EXPECT_EQ(box.value(), 5000);
    box.setBounds(2025, 2030);
    EXPECT_EQ(box.value(), 2030);

    // The end-year box of the event editor: lower bound to 0 and back to the birth year.
    IntSpinEdit end;
    end.setBounds(1950, 2030);
    end.setValue(1960);
    end.setLowerBound(0);
    end.setValue(0);
    EXPECT_EQ(end.value(), 0);
    end.setLowerBound(1950);
    EXPECT_EQ(end.value(), 1950);
    EXPECT_EQ(end.lowerBound(), 1950);
    EXPECT_EQ(end.upperBound(), 2030);
}

TEST_F(SpinEdits, IntValueChangedCarriesTheClampedValue)
{
    IntSpinEdit box;
    box.setBounds(6, 25);
    box.setValue(15);
    QSignalSpy spy(&box, &QSpinBox::valueChanged);
    box.setValue(99);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 25);
}

// ------------------------------------------------------------------ decimals

struct DecimalSet {
    double lower, upper, set, expected;
    const char* text;
};

TEST_F(SpinEdits, DecimalProgramSetClampsUnlessBoundsAreEqual)
{
    const DecimalSet cases[] = {
        {0, 0, 1.5, 1.5, "1.50"},
        {0, 0, -2.25, -2.25, "-2.25"},
        {0, 0, 1e12, 1e9, "1000000000.00"},   // no bounds still means at most 1e9
        {0, 0, -1e12, -1e9, "-1000000000.00"},
        {0, 0, -0.001, -0.0, "0.00"},
        {0.5, 2.0, 3.0, 2.0, "2.00"},
        {0.5, 2.0, 0.1, 0.5, "0.50"},
        {2.0, 1.0, 1.5, 2.0, "2.00"},
    };
    for (const DecimalSet& c : cases) {
        DecimalSpinEdit box;
        box.setBounds(c.lower, c.upper);
        box.setValue(c.set);
        SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper << " set " << c.set);
        EXPECT_DOUBLE_EQ(box.value(), c.expected);
        EXPECT_EQ(textOf(box), QString::fromLatin1(c.text));
    }
}

struct DecimalTyped {
    double lower, upper;
    const char* typed;
    const char* textWhileTyping;
    double valueWhileTyping;
    const char* textAfterLeaving;
};

TEST_F(SpinEdits, DecimalTypingIsFreeWithinNumbersAndClampedOnLeaving)
{
    const DecimalTyped cases[] = {
        {0, 0, "1.25", "1.25", 1.25, "1.25"},
        {0, 0, "", "", 0, "0.00"},
        {0, 0, ".", ".", 0, "0.00"},
        {0, 0, "-", "-", 0, "0.00"},
        {0, 0, ".5", ".5", 0.5, "0.50"},
        {0, 0, "3.", "3.", 3, "3.00"},
        {0, 0, "1.234", "1.23", 1.23, "1.23"},   // no more decimals than shown
        {0, 0, "1e5", "15", 15, "15.00"},        // no exponent
        {0, 0, "1,5", "15", 15, "15.00"},        // C locale: no comma
        {0, 0, "nan", "", 0, "0.00"},
        {0, 0, "20000000000", "200000000", 2e8, "200000000.00"}, // at most 1e9 can be typed
        {0.5, 2.0, "3", "3", 2.0, "2.00"},
        {0.5, 2.0, "", "", 0.5, "0.50"},
    };
    for (const DecimalTyped& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper << " typed '" << c.typed << "'");
        DecimalSpinEdit box;
        box.setBounds(c.lower, c.upper);
        box.setValue(1.75);
        typeInto(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(textOf(box), QString::fromLatin1(c.textWhileTyping));
        EXPECT_DOUBLE_EQ(box.value(), c.valueWhileTyping);
        leave(box);
        EXPECT_EQ(textOf(box), QString::fromLatin1(c.textAfterLeaving));
    }
}

TEST_F(SpinEdits, DecimalStepsAreExactInTheShownDecimals)
{
    DecimalSpinEdit box;
    box.setSingleStep(0.1);
    box.setLargeStep(1.0);
    box.setValue(0);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(textOf(box), QStringLiteral("1.00"));
    EXPECT_DOUBLE_EQ(box.value(), 1.0);
    QTest::keyClick(&box, Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(box.value(), 2.0);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(textOf(box), QStringLiteral("1.90"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&box, Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(box.value(), -2.1); // margins have no range
}

TEST_F(SpinEdits, DecimalStepsStopAtTheBounds)
{
    DecimalSpinEdit box;
    box.setBounds(0.5, 2.0);
    box.setSingleStep(0.1);
    box.setValue(1.95);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(box.value(), 2.0);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(box.value(), 2.0);
    box.setValue(0.55);
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_DOUBLE_EQ(box.value(), 0.5);

    DecimalSpinEdit open;
    open.setValue(1e9);
    QTest::keyClick(&open, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(open.value(), 1e9);
}

TEST_F(SpinEdits, DecimalChangingBoundsClampsAndDecimalsRound)
{
    DecimalSpinEdit box;
    box.setValue(7.5);
    box.setBounds(0, 5);
    EXPECT_DOUBLE_EQ(box.value(), 5.0);
    box.setBounds(0, 0);
    box.setValue(-3.25);
    EXPECT_DOUBLE_EQ(box.value(), -3.25);
    box.setDecimals(1);
    EXPECT_EQ(textOf(box), QStringLiteral("-3.3"));
    typeInto(box, QStringLiteral("1.25"));
    EXPECT_EQ(textOf(box), QStringLiteral("1.2"));
}

// Leaving by a real change of focus, in a shown window.
TEST_F(SpinEdits, FocusMovingAwayClamps)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* years = new IntSpinEdit;
    auto* other = new IntSpinEdit;
    layout->addWidget(years);
    layout->addWidget(other);
    years->setBounds(6, 25);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    years->setFocus();
    ASSERT_TRUE(years->hasFocus());
    typeInto(*years, QStringLiteral("3"));
    EXPECT_EQ(textOf(*years), QStringLiteral("3"));
    other->setFocus();
    EXPECT_EQ(textOf(*years), QStringLiteral("6"));
    EXPECT_EQ(years->value(), 6);
}

} // namespace
