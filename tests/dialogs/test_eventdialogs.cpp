// The event dialogs driven through their widgets: the category chooser, the event editor in
// both modes, the event list, and the main window's two event buttons. Every change is checked
// in the open chart and, byte for byte, in the chart file.
#include "chart/eventlabels.h"
#include "dialogs/newevent.h"
#include "dialogs/newevent_categoryselect.h"
#include "dialogs/viewevent.h"
#include "platform/colourbox.h"
#include "platform/richpane.h"
#include "platform/spinedit.h"
#include "support/ui_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::test;
namespace fs = std::filesystem;
using Kind = platform::Messages::Kind;
using Shown = platform::ScriptedMessages::Shown;

namespace {

// Two span and one single-year type per category where it matters; the first Education
// type is single-year.
constexpr char kCatalogue[] =
    "Lived at\tA home you lived in.\tMoved in\tMoved out\tHome\n"
    "Bought a home\tThe year you bought a home.\tYear bought\t\tHome\n"
    "Graduation\tThe year you graduated.\tYear graduated\t\tEducation\n"
    "School\tA school you went to.\tStarted\tLeft\tEducation\n"
    "Grandparents birth year\tA grandparent.\tBorn\tDied\tBirthdays\n"
    "Partner birth year\tYour partner.\tBorn\tDied\tBirthdays\n";
constexpr int kLivedAt = 1, kBoughtHome = 2, kGraduation = 3, kSchool = 4, kPartner = 6;

const QString kYearMessage = QStringLiteral("Event End Must Come After Event Start.");
const QString kCommentsMessage = QStringLiteral("The field of Comments can not be empty.");
const QString kDeleteQuestion = QStringLiteral("Erased events can not be restored. Do you want to continue?");

constexpr std::int32_t kBlack = rgb(0, 0, 0), kGrey = rgb(220, 220, 220);
constexpr std::int32_t kNavy = rgb(0, 0, 128), kGold = rgb(255, 215, 0), kKhaki = rgb(240, 230, 140);

TChartEntry event(int type, int start, int end, const std::string& text, std::int32_t fg = kBlack,
                  std::int32_t bg = kGrey)
{
    TChartEntry e;
    e.type_index = type;
    e.start_year = start;
    e.end_year = end;
    e.text = text;
    e.text_color = fg;
    e.bg_color = bg;
    return e;
}

std::string describe(const TChartEntry& e)
{
    return "{type " + std::to_string(e.type_index) + ", " + std::to_string(e.start_year) + "-" +
           std::to_string(e.end_year) + ", \"" + e.text + "\", colours " + std::to_string(e.text_color) + "/" +
           std::to_string(e.bg_color) + "}";
}

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList texts(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QList<int> numbers(const QListWidget* list)
{
    QList<int> out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->data(Qt::UserRole).toInt();
    return out;
}

void clickItem(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    ASSERT_TRUE(item->isSelected());
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void typeYear(platform::IntSpinEdit* box, int year)
{
    box->selectAll();
    QTest::keyClicks(box, QString::number(year));
}

void typeText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    // keyClicks knows only ASCII keys; other characters arrive as the text of an unknown key.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void chooseColour(platform::ColourBox* box, const char* name)
{
    const int index = box->findText(QString::fromLatin1(name));
    ASSERT_GE(index, 0) << name;
    box->setCurrentIndex(index);
}

// A chart born 1950, ending 2030, with the personal event Hobby, over the small catalogue.
class EventChart : public ::testing::Test {
protected:
    EventChart() : f(false)
    {
        parseCatalogue(*f.session->catalogue, kCatalogue);
        TChartEntry& h = chart().header();
        h.text = "Ann Smith";
        h.start_year = 1950;
        h.end_year = 2030;
        h.personal_event = "Hobby";
        chart().entry_count = 1;
        chart().chart_path = f.chartFile("Test");
        f.session->last_text_color = kBlack;
        f.session->last_bg_color = kGrey;
        setEvents({});
    }

    OpenChart& chart() { return *f.session->chart; }
    Session& session() { return *f.session; }

    void setPersonalEvent(const std::string& p)
    {
        chart().header().personal_event = p;
        setEvents(std::vector<TChartEntry>(chart().entries.begin() + 2, chart().entries.begin() + 1 + chart().entry_count));
    }

    void setEvents(const std::vector<TChartEntry>& events)
    {
        chart().entry_count = 1;
        for (const TChartEntry& e : events)
            chart().appendEvent(e);
        saveProject(chart());
        header_ = chart().header();
    }

    std::string fileBytes() const { return readFile(f.chartFile("Test")); }

    std::unique_ptr<Tnew_event> newEditor(const std::string& category)
    {
        session().event_mode = 1;
        session().selected_category = category;
        auto editor = std::make_unique<Tnew_event>(session(), nullptr);
        editor->show();
        return editor;
    }

    std::unique_ptr<Tnew_event> editEditor(int entry)
    {
        session().event_mode = 2;
        chart().edit_index = entry;
        auto editor = std::make_unique<Tnew_event>(session(), nullptr);
        editor->show();
        return editor;
    }

    // The open chart and its file hold the header and exactly these events.
    void expectChart(const std::vector<TChartEntry>& events)
    {
        std::string expected;
        const auto put = [&](const TChartEntry& e) {
            const RecordImage r = encodeEntry(e);
            expected.append(reinterpret_cast<const char*>(r.data()), r.size());
        };
        put(header_);
        for (const TChartEntry& e : events)
            put(e);
        ASSERT_EQ(chart().entry_count, int(events.size()) + 1);
        EXPECT_TRUE(chart().header() == header_);
        for (std::size_t i = 0; i < events.size(); ++i)
            EXPECT_TRUE(chart().entries[i + 2] == events[i])
                << "entry " << i + 2 << ": " << describe(chart().entries[i + 2]) << " expected " << describe(events[i]);
        const std::string bytes = fileBytes();
        EXPECT_EQ(bytes.size(), (events.size() + 1) * kRecordSize);
        EXPECT_TRUE(bytes == expected) << "the chart file differs from the expected records";
        auto loaded = std::make_unique<OpenChart>();
        loadProject(*loaded, session().charts, "Test");
        ASSERT_EQ(loaded->entry_count, chart().entry_count);
        for (int k = 1; k <= loaded->entry_count; ++k)
            EXPECT_TRUE(loaded->entries[k] == chart().entries[k]) << "entry " << k;
    }

    UiFixture f;
    TChartEntry header_;
};

// ------------------------------------------------------------------------------ category chooser

struct ChoiceCase {
    const char* name;
    const char* catalogue; // nullptr: no catalogue row at all
    std::string personal;
    QStringList expected;
};

class CategoryChooserList : public EventChart, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(CategoryChooserList, DistinctCategoriesInOrderThenThePersonalEvent)
{
    const ChoiceCase& c = GetParam();
    if (c.catalogue)
        parseCatalogue(*session().catalogue, c.catalogue);
    else
        *session().catalogue = Catalogue{};
    setPersonalEvent(c.personal);
    TNewEventCategorySelect chooser(session(), nullptr);
    EXPECT_EQ(texts(chooser.event_categories), c.expected);
    EXPECT_TRUE(chooser.event_categories->selectedItems().isEmpty());
    EXPECT_EQ(chooser.title(), "Choose an Event Category");
    EXPECT_TRUE(f.messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Category, CategoryChooserList,
    ::testing::Values(
        ChoiceCase{"RepeatedCategoryListedOnce", "a\t\t\t\tA\nb\t\t\t\tB\nc\t\t\t\tA\nd\t\t\t\tC", "P",
                   {"A", "B", "C", "P"}},
        ChoiceCase{"CaseMatters", "w\t\t\t\tWork\nx\t\t\t\twork\ny\t\t\t\tWork", "P", {"Work", "work", "P"}},
        ChoiceCase{"EmptyCatalogue", nullptr, "P", {"P"}},
        ChoiceCase{"EmptyPersonalEventStillListed", "a\t\t\t\tA", "", {"A", ""}},
        ChoiceCase{"PersonalEventEqualToACategoryListedTwice", "a\t\t\t\tA\nb\t\t\t\tB", "A", {"A", "B", "A"}},
        ChoiceCase{"Windows1252Shown", "a\t\t\t\tCaf\xE9", "P", {QString::fromUtf8("Caf\u00e9"), "P"}}),
    [](const auto& info) { return std::string(info.param.name); });

class CategoryChooser : public EventChart {};

TEST_F(CategoryChooser, OkTakesTheSelectedTextCancelTakesNothing)
{
    parseCatalogue(*session().catalogue, "a\t\t\t\tA\nb\t\t\t\tCaf\xE9");
    setPersonalEvent("");
    {
        session().selected_category.clear();
        TNewEventCategorySelect chooser(session(), nullptr);
        chooser.show();
        click(chooser.FlatButton1); // nothing selected: stays open
        EXPECT_TRUE(chooser.isVisible());
        EXPECT_TRUE(session().selected_category.empty());
        clickItem(chooser.event_categories, 1);
        click(chooser.FlatButton1);
        EXPECT_FALSE(chooser.isVisible());
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(session().selected_category, "Caf\xE9"); // the stored bytes, not the shown text
    }
    {
        session().selected_category.clear();
        TNewEventCategorySelect chooser(session(), nullptr);
        chooser.show();
        clickItem(chooser.event_categories, 0);
        click(chooser.FlatButton2);
        EXPECT_FALSE(chooser.isVisible());
        EXPECT_EQ(chooser.result(), QDialog::Rejected);
        EXPECT_TRUE(session().selected_category.empty());
    }
    {
        // The empty personal event: Ok leaves the choice empty, as Cancel does.
        session().selected_category.clear();
        TNewEventCategorySelect chooser(session(), nullptr);
        chooser.show();
        clickItem(chooser.event_categories, 2);
        click(chooser.FlatButton1);
        EXPECT_FALSE(chooser.isVisible());
        EXPECT_TRUE(session().selected_category.empty());
    }
    EXPECT_TRUE(f.messages.shown().empty());
}

// ------------------------------------------------------------------------------- event editor

class EventEditor : public EventChart {};

TEST_F(EventEditor, NewEventStartsAtBirthWithinTheChartsYears)
{
    session().last_text_color = kNavy;
    session().last_bg_color = kGold;
    auto d = newEditor("Home");
    EXPECT_EQ(d->title(), "\"Home\" Event");
    EXPECT_EQ(texts(d->FlatComboBox1), (QStringList{"Lived at", "Bought a home"}));
    EXPECT_EQ(d->FlatComboBox1->itemData(0).toInt(), kLivedAt); // the number is beside the item
    EXPECT_EQ(d->FlatComboBox1->itemData(1).toInt(), kBoughtHome);
    EXPECT_EQ(d->FlatComboBox1->currentIndex(), 0);
    EXPECT_TRUE(d->FlatComboBox1->isEnabled());
    EXPECT_EQ(d->DescriptionLabel->text(), "A home you lived in.");
    EXPECT_EQ(d->Label2->text(), "Moved in:");
    EXPECT_EQ(d->Label3->text(), "Moved out:");
    EXPECT_TRUE(d->year_end->isVisible());
    EXPECT_TRUE(d->Label3->isVisible());
    EXPECT_TRUE(d->FlatCheckBox1->isVisible());
    EXPECT_FALSE(d->FlatCheckBox1->isChecked());
    EXPECT_EQ(d->year_born->value(), 1950);
    EXPECT_EQ(d->year_end->value(), 1950);
    EXPECT_EQ(d->year_born->lowerBound(), 0);
    EXPECT_EQ(d->year_born->upperBound(), 2030);
    EXPECT_EQ(d->year_end->lowerBound(), 1950);
    EXPECT_EQ(d->year_end->upperBound(), 2030);
    EXPECT_EQ(d->text_color->colour(), kNavy);
    EXPECT_EQ(d->bg_color->colour(), kGold);
    EXPECT_TRUE(d->commentsMemo->text().isEmpty());
    EXPECT_EQ(d->caption_list->count(), 0);
    EXPECT_FALSE(d->cxRichEdit1->toPlainText().isEmpty()); // help loaded when shown

    // Typed years outside the bounds read as the bound they clamp to.
    const struct {
        platform::IntSpinEdit* box;
        int typed, reads;
    } years[] = {{d->year_born, 2100, 2030}, {d->year_born, 0, 0},       {d->year_born, 1975, 1975},
                 {d->year_end, 1900, 1950},  {d->year_end, 2031, 2030}, {d->year_end, 1988, 1988}};
    for (const auto& y : years) {
        typeYear(y.box, y.typed);
        EXPECT_EQ(y.box->value(), y.reads) << y.typed;
    }
    d->year_born->setValue(-5);
    EXPECT_EQ(d->year_born->value(), 0);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST_F(EventEditor, SingleYearTypeHidesTheEndYearAndStoresZero)
{
    {
        auto d = newEditor("Education");
        ASSERT_EQ(d->selectedType(), kGraduation);
        EXPECT_EQ(d->Label2->text(), "Year graduated:");
        EXPECT_EQ(d->DescriptionLabel->text(), "The year you graduated.");
        EXPECT_FALSE(d->year_end->isVisible());
        EXPECT_FALSE(d->Label3->isVisible());
        EXPECT_FALSE(d->FlatCheckBox1->isVisible());
        d->year_end->setValue(1990); // whatever the hidden box holds
        typeYear(d->year_born, 1975);
        typeText(d->commentsMemo, "BSc");
        click(d->bt_ok);
        EXPECT_FALSE(d->isVisible());
    }
    const TChartEntry graduation = event(kGraduation, 1975, 0, "BSc");
    expectChart({graduation});

    // Switching to a span type shows the end year again; switching back hides it.
    auto d = newEditor("Education");
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Down);
    ASSERT_EQ(d->selectedType(), kSchool);
    EXPECT_EQ(d->Label2->text(), "Started:");
    EXPECT_EQ(d->Label3->text(), "Left:");
    EXPECT_EQ(d->DescriptionLabel->text(), "A school you went to.");
    EXPECT_TRUE(d->year_end->isVisible());
    EXPECT_TRUE(d->Label3->isVisible());
    EXPECT_TRUE(d->FlatCheckBox1->isVisible());
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Up);
    EXPECT_FALSE(d->year_end->isVisible());
    EXPECT_FALSE(d->FlatCheckBox1->isVisible());
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Down);
    EXPECT_TRUE(d->year_end->isVisible());
    typeYear(d->year_born, 1956);
    typeYear(d->year_end, 1962);
    typeText(d->commentsMemo, "Primary");
    click(d->bt_ok);
    EXPECT_FALSE(d->isVisible());
    expectChart({graduation, event(kSchool, 1956, 1962, "Primary")});
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST_F(EventEditor, DontApplyTheEndYearHidesItAndUntickingRaisesItToTheStart)
{
    auto d = newEditor("Home");
    typeYear(d->year_born, 1980);
    typeYear(d->year_end, 1990);
    click(d->FlatCheckBox1);
    ASSERT_TRUE(d->FlatCheckBox1->isChecked());
    EXPECT_FALSE(d->year_end->isVisible());
    EXPECT_FALSE(d->Label3->isVisible());
    EXPECT_EQ(d->year_end->lowerBound(), 0);
    EXPECT_EQ(d->year_end->value(), 0);

    click(d->FlatCheckBox1);
    ASSERT_FALSE(d->FlatCheckBox1->isChecked());
    EXPECT_TRUE(d->year_end->isVisible());
    EXPECT_TRUE(d->Label3->isVisible());
    EXPECT_EQ(d->year_end->lowerBound(), 1950);
    EXPECT_EQ(d->year_end->value(), 1980); // raised to the start year

    click(d->FlatCheckBox1);
    // Through a single-year type and back, the ticked box still holds.
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Down);
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Up);
    ASSERT_EQ(d->selectedType(), kLivedAt);
    EXPECT_TRUE(d->FlatCheckBox1->isVisible());
    EXPECT_FALSE(d->year_end->isVisible());
    EXPECT_EQ(d->year_end->value(), 0);
    typeText(d->commentsMemo, "Flat in Leeds");
    click(d->bt_ok);
    EXPECT_FALSE(d->isVisible());
    expectChart({event(kLivedAt, 1980, 0, "Flat in Leeds")});
}

TEST_F(EventEditor, BirthdayStartsWithoutEndYearAndATickedBoxSurvivesATypeChange)
{
    auto d = newEditor("Birthdays");
    EXPECT_TRUE(d->FlatCheckBox1->isChecked()); // most people in it are alive
    EXPECT_TRUE(d->FlatCheckBox1->isVisible());
    EXPECT_FALSE(d->year_end->isVisible());
    EXPECT_EQ(d->year_end->value(), 0);
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Down);
    ASSERT_EQ(d->selectedType(), kPartner);
    EXPECT_TRUE(d->FlatCheckBox1->isChecked());
    EXPECT_FALSE(d->year_end->isVisible()) << "a ticked box must keep the end year out of reach";
    EXPECT_FALSE(d->Label3->isVisible());
    EXPECT_EQ(d->year_end->value(), 0);
    typeYear(d->year_born, 1952);
    typeText(d->commentsMemo, "Tom");
    click(d->bt_ok);
    EXPECT_FALSE(d->isVisible());
    expectChart({event(kPartner, 1952, 0, "Tom")});
}

struct OkCase {
    const char* name;
    std::string category;
    bool tick;
    int start, end;
    QString comment;
    std::vector<Shown> refused; // empty: accepted
};

class EventEditorOk : public EventChart, public ::testing::WithParamInterface<OkCase> {};

TEST_P(EventEditorOk, ChecksYearsThenComments)
{
    const OkCase& c = GetParam();
    const int type = c.category == "Hobby" ? kPersonalType : kLivedAt;
    const TChartEntry existing = event(kSchool, 1956, 1962, "Primary");
    setEvents({existing});
    const std::string before = fileBytes();
    auto d = newEditor(c.category);
    chooseColour(d->text_color, "Navy");
    typeYear(d->year_born, c.start);
    if (c.tick)
        click(d->FlatCheckBox1);
    else
        typeYear(d->year_end, c.end);
    typeText(d->commentsMemo, c.comment);
    click(d->bt_ok);
    EXPECT_EQ(f.messages.shown(), c.refused);
    if (c.refused.empty()) {
        EXPECT_FALSE(d->isVisible());
        expectChart({existing, event(type, c.start, c.tick ? 0 : c.end, c.comment.toStdString(), kNavy)});
        EXPECT_EQ(session().last_text_color, kNavy);
        return;
    }
    // Refused: open, every control as it was, nothing written or remembered.
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->year_born->value(), c.start);
    EXPECT_EQ(d->year_end->value(), c.end);
    EXPECT_EQ(d->commentsMemo->text(), c.comment);
    EXPECT_EQ(chart().entry_count, 2);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(session().last_text_color, kBlack);
    // Corrected, the same dialog records the event once.
    typeYear(d->year_end, c.start + 5);
    typeText(d->commentsMemo, "fixed");
    click(d->bt_ok);
    EXPECT_FALSE(d->isVisible());
    expectChart({existing, event(type, c.start, c.start + 5, "fixed", kNavy)});
}

INSTANTIATE_TEST_SUITE_P(
    EventEditor, EventEditorOk,
    ::testing::Values(
        OkCase{"EndBeforeStart", "Home", false, 1980, 1975, "Flat", {{Kind::Error, kYearMessage}}},
        OkCase{"YearMessageWinsOverEmptyComments", "Home", false, 1980, 1975, "", {{Kind::Error, kYearMessage}}},
        OkCase{"PersonalTypeEndBeforeStart", "Hobby", false, 1980, 1975, "Piano", {{Kind::Error, kYearMessage}}},
        OkCase{"EmptyComments", "Home", false, 1980, 1985, "", {{Kind::Information, kCommentsMessage}}},
        OkCase{"EndEqualToStart", "Home", false, 1980, 1980, "Flat", {}},
        OkCase{"TickedBoxStoresNoEndYear", "Home", true, 1980, 0, "Flat", {}},
        OkCase{"OneBlankIsAComment", "Home", false, 1980, 1985, " ", {}},
        OkCase{"PersonalType", "Hobby", false, 1990, 1992, "Piano", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventEditor, CommentsShowAndStoreWhatTheFileCanHold)
{
    QString long_comment;
    for (int i = 0; i < 300; ++i)
        long_comment += QChar(u'a' + i % 26);
    const struct {
        QString typed, shown;
        std::string stored;
    } cases[] = {
        {long_comment, long_comment.left(255), long_comment.left(255).toStdString()},
        {QString::fromUtf8("Zo\u00eb \u20ac \u03a9"), QString::fromUtf8("Zo\u00eb \u20ac ?"), "Zo\xEB \x80 ?"},
    };
    for (const auto& c : cases) {
        setEvents({});
        auto d = newEditor("Home");
        typeText(d->commentsMemo, c.typed);
        EXPECT_EQ(d->commentsMemo->text(), c.shown); // seen before Ok
        click(d->bt_ok);
        EXPECT_FALSE(d->isVisible());
        expectChart({event(kLivedAt, 1950, 1950, c.stored)});
    }
}

class EventEditorPersonal : public EventChart, public ::testing::WithParamInterface<std::string> {};

TEST_P(EventEditorPersonal, OffersOnlyTheCustomType)
{
    const std::string personal = GetParam();
    setPersonalEvent(personal);
    auto d = newEditor(personal);
    const QString name = QString::fromStdString(personal);
    EXPECT_EQ(d->title(), "\"" + name + "\" Event");
    EXPECT_EQ(texts(d->FlatComboBox1), QStringList{name});
    EXPECT_EQ(d->selectedType(), kPersonalType);
    EXPECT_EQ(d->DescriptionLabel->text(), "Custom Event");
    EXPECT_EQ(d->Label2->text(), "Year starts :");
    EXPECT_EQ(d->Label3->text(), "Year ends :");
    EXPECT_TRUE(d->year_end->isVisible());
    EXPECT_TRUE(d->FlatCheckBox1->isVisible());
    typeYear(d->year_born, 1990);
    typeYear(d->year_end, 1992);
    typeText(d->commentsMemo, "Piano");
    click(d->bt_ok);
    EXPECT_FALSE(d->isVisible());
    expectChart({event(kPersonalType, 1990, 1992, "Piano")});
}

// "Home" is also a catalogue category: choosing it offers only the personal type.
INSTANTIATE_TEST_SUITE_P(EventEditor, EventEditorPersonal, ::testing::Values("Hobby", "Home"));

TEST_F(EventEditor, ListsTheEventsOfTheSelectedType)
{
    setEvents({event(kLivedAt, 1990, 1995, "Lived in town"), event(kBoughtHome, 1985, 0, "Bought"),
               event(kLivedAt, 2001, 0, "Visit"), event(kPersonalType, 1998, 0, "Piano")});
    auto d = newEditor("Home");
    EXPECT_EQ(texts(d->caption_list), (QStringList{"(1990-1995) Lived in town", "(2001) Visit"}));
    QTest::keyClick(d->FlatComboBox1, Qt::Key_Down);
    EXPECT_EQ(texts(d->caption_list), QStringList{"(1985) Bought"});
    auto p = newEditor("Hobby");
    EXPECT_EQ(texts(p->caption_list), QStringList{"(1998) Piano"});
    auto e = editEditor(4);
    EXPECT_EQ(texts(e->caption_list), (QStringList{"(1990-1995) Lived in town", "(2001) Visit"}));
}

TEST_F(EventEditor, EditRewritesTheEntryAndKeepsItsType)
{
    TChartEntry town = event(kLivedAt, 1990, 1995, "Lived in town", kNavy, kGold);
    town.reserved_after_start[0] = 7; // bytes the program never reads ride along
    town.reserved_text[10] = 9;
    const TChartEntry school = event(kSchool, 1956, 0, "Primary");
    setEvents({town, school});
    {
        auto d = editEditor(2);
        EXPECT_EQ(d->title(), "\"Home\" Event");
        EXPECT_EQ(texts(d->FlatComboBox1), (QStringList{"Lived at", "Bought a home"}));
        EXPECT_EQ(d->selectedType(), kLivedAt);
        EXPECT_FALSE(d->FlatComboBox1->isEnabled());
        EXPECT_EQ(d->year_born->value(), 1990);
        EXPECT_EQ(d->year_end->value(), 1995);
        EXPECT_TRUE(d->year_end->isVisible());
        EXPECT_FALSE(d->FlatCheckBox1->isChecked());
        EXPECT_EQ(d->commentsMemo->text(), "Lived in town");
        EXPECT_EQ(d->text_color->colour(), kNavy);
        EXPECT_EQ(d->bg_color->colour(), kGold);
        EXPECT_FALSE(d->cxRichEdit1->toPlainText().isEmpty());
        typeYear(d->year_end, 1996);
        typeText(d->commentsMemo, "Lived in Leeds");
        chooseColour(d->bg_color, "Khaki");
        click(d->bt_ok);
        EXPECT_FALSE(d->isVisible());
    }
    town.end_year = 1996;
    town.text = "Lived in Leeds";
    town.bg_color = kKhaki;
    expectChart({town, school});
    EXPECT_EQ(session().last_text_color, kNavy);
    EXPECT_EQ(session().last_bg_color, kKhaki);

    // No end year: opens ticked with the end year hidden; Cancel and the close box write nothing.
    const std::string before = fileBytes();
    for (const bool close_box : {false, true}) {
        auto d = editEditor(3);
        EXPECT_EQ(texts(d->FlatComboBox1), (QStringList{"Graduation", "School"}));
        EXPECT_EQ(d->selectedType(), kSchool);
        EXPECT_TRUE(d->FlatCheckBox1->isChecked());
        EXPECT_FALSE(d->year_end->isVisible());
        typeText(d->commentsMemo, "changed");
        typeYear(d->year_born, 1957);
        click(close_box ? static_cast<QAbstractButton*>(d->closeBox()) : d->bt_cancel);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->result(), QDialog::Rejected);
    }
    expectChart({town, school});
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(session().last_bg_color, kKhaki);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST_F(EventEditor, ColoursOfTheLastOkStartTheNextEvent)
{
    const TChartEntry old = event(kSchool, 1956, 1962, "Primary", kKhaki, kBlack);
    setEvents({old});
    {
        auto d = newEditor("Home");
        chooseColour(d->text_color, "Navy");
        chooseColour(d->bg_color, "Gold");
        typeText(d->commentsMemo, "a");
        click(d->bt_ok);
    }
    EXPECT_EQ(session().last_text_color, kNavy);
    EXPECT_EQ(session().last_bg_color, kGold);
    {
        // Cancelled and refused dialogs remember nothing.
        auto d = newEditor("Education");
        EXPECT_EQ(d->text_color->colour(), kNavy);
        EXPECT_EQ(d->bg_color->colour(), kGold);
        chooseColour(d->text_color, "Red");
        click(d->bt_ok); // no comments
        EXPECT_TRUE(d->isVisible());
        click(d->bt_cancel);
    }
    EXPECT_EQ(session().last_text_color, kNavy);
    {
        auto d = editEditor(2); // Ok on an edit remembers the edited event's colours
        click(d->bt_ok);
        EXPECT_FALSE(d->isVisible());
    }
    EXPECT_EQ(session().last_text_color, kKhaki);
    EXPECT_EQ(session().last_bg_color, kBlack);
    {
        auto d = newEditor("Home");
        EXPECT_EQ(d->text_color->colour(), kKhaki);
        EXPECT_EQ(d->bg_color->colour(), kBlack);
    }
    // A colour that is not one of the named ones is carried as it is.
    session().last_bg_color = rgb(1, 2, 3);
    auto d = newEditor("Home");
    EXPECT_EQ(d->bg_color->colour(), rgb(1, 2, 3));
    typeText(d->commentsMemo, "b");
    click(d->bt_ok);
    expectChart({old, event(kLivedAt, 1950, 1950, "a", kNavy, kGold),
                 event(kLivedAt, 1950, 1950, "b", kKhaki, rgb(1, 2, 3))});
}

class EventEditorUnknownType : public EventChart, public ::testing::WithParamInterface<int> {};

TEST_P(EventEditorUnknownType, OpensWithItsNumberAndKeepsIt)
{
    const int type = GetParam();
    TChartEntry old = event(type, 1990, 1995, "Old house", kNavy, kGold);
    setEvents({old});
    auto d = editEditor(2);
    EXPECT_EQ(texts(d->FlatComboBox1), QStringList{QStringLiteral("Unknown type %1").arg(type)});
    EXPECT_EQ(d->selectedType(), type);
    EXPECT_FALSE(d->FlatComboBox1->isEnabled());
    EXPECT_TRUE(d->DescriptionLabel->text().contains("no longer in the event catalogue"));
    EXPECT_EQ(d->year_born->value(), 1990);
    EXPECT_EQ(d->year_end->value(), 1995);
    EXPECT_TRUE(d->year_end->isVisible());
    EXPECT_EQ(d->commentsMemo->text(), "Old house");
    typeYear(d->year_end, 1997);
    typeText(d->commentsMemo, "Old farm");
    click(d->bt_ok);
    EXPECT_FALSE(d->isVisible());
    old.end_year = 1997;
    old.text = "Old farm";
    expectChart({old});
    EXPECT_TRUE(f.messages.shown().empty());
}

// A row of the table past the catalogue's last line, a number past the table, and none at all.
INSTANTIATE_TEST_SUITE_P(EventEditor, EventEditorUnknownType, ::testing::Values(57, 250, 0));

TEST_F(EventEditor, AFailedSaveTakesTheChangeBackAndStaysOpen)
{
    const TChartEntry town = event(kLivedAt, 1990, 1995, "Lived in town");
    setEvents({town});
    const std::string before = fileBytes();
    const fs::path good = chart().chart_path;
    const fs::path gone = f.dir / "gone" / "Test.ztl";
    {
        chart().chart_path = gone;
        auto d = newEditor("Home");
        chooseColour(d->text_color, "Navy");
        typeText(d->commentsMemo, "New");
        click(d->bt_ok);
        EXPECT_EQ(f.messages.shown(), (std::vector<Shown>{{Kind::Error, "Invalid filename"}}));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(chart().entry_count, 2);
        EXPECT_EQ(session().last_text_color, kBlack);
        EXPECT_EQ(fileBytes(), before);
        chart().chart_path = good;
        click(d->bt_ok); // once more: recorded once
        EXPECT_FALSE(d->isVisible());
    }
    const TChartEntry added = event(kLivedAt, 1950, 1950, "New", kNavy);
    expectChart({town, added});
    {
        f.messages.clear();
        chart().chart_path = gone;
        auto d = editEditor(2);
        typeText(d->commentsMemo, "Changed");
        click(d->bt_ok);
        EXPECT_EQ(f.messages.shown(), (std::vector<Shown>{{Kind::Error, "Invalid filename"}}));
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(chart().entries[2] == town);
        chart().chart_path = good;
        click(d->bt_ok);
        EXPECT_FALSE(d->isVisible());
    }
    TChartEntry changed = town;
    changed.text = "Changed";
    expectChart({changed, added});
}

// ---------------------------------------------------------------------------------- event list

class EventList : public EventChart {
protected:
    EventList()
    {
        for (int k = 0; k < 4; ++k)
            events_[k].reserved_text[0] = static_cast<std::uint8_t>(k + 2); // tells whole entries apart
        setEvents(events_);
    }

    std::vector<TChartEntry> events_{event(kLivedAt, 1990, 1995, "Lived in town"),
                                     event(kSchool, 1956, 1962, "Primary"), event(kBoughtHome, 2001, 0, "Visit"),
                                     event(kPersonalType, 1998, 0, "Piano")};
};

TEST_F(EventList, ShowsTheEventsOfEachCategory)
{
    Tview_event list(session(), nullptr);
    list.show();
    EXPECT_EQ(list.title(), "View & Edit Events");
    EXPECT_EQ(texts(list.event_categories), (QStringList{"Home", "Education", "Birthdays", "Hobby"}));
    const struct {
        int category;
        QStringList items;
        QList<int> entries;
    } cases[] = {{0, {"Home)1990-1995 Lived in town", "Home)2001 Visit"}, {2, 4}},
                 {1, {"Education)1956-1962 Primary"}, {3}},
                 {2, {}, {}},
                 {3, {"Hobby)1998 Piano"}, {5}},
                 {0, {"Home)1990-1995 Lived in town", "Home)2001 Visit"}, {2, 4}}};
    for (const auto& c : cases) {
        list.event_categories->setCurrentIndex(c.category);
        EXPECT_EQ(texts(list.list_viewevent), c.items) << c.category;
        EXPECT_EQ(numbers(list.list_viewevent), c.entries) << c.category;
    }
    // Edit and Delete without a selection do nothing.
    const std::string before = fileBytes();
    click(list.bt_cancel);
    click(list.FlatButton1);
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_EQ(fileBytes(), before);
    click(list.bt_ok);
    EXPECT_FALSE(list.isVisible());
}

TEST_F(EventList, AChartWithoutEventsListsNothing)
{
    setEvents({});
    Tview_event list(session(), nullptr);
    list.show();
    for (int c = 0; c < list.event_categories->count(); ++c) {
        list.event_categories->setCurrentIndex(c);
        EXPECT_EQ(list.list_viewevent->count(), 0);
    }
    click(list.FlatButton1);
    click(list.bt_cancel);
    EXPECT_TRUE(f.messages.shown().empty());
    expectChart({});
    QTest::mouseClick(list.closeBox(), Qt::LeftButton);
    EXPECT_FALSE(list.isVisible());
}

struct DeleteCase {
    const char* name;
    int category, row;
    bool yes;
    std::vector<int> kept; // indexes into the four events
    QList<int> entries_after;
};

class EventListDelete : public EventList, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(EventListDelete, AsksThenClosesTheGap)
{
    const DeleteCase& c = GetParam();
    Tview_event list(session(), nullptr);
    list.show();
    list.event_categories->setCurrentIndex(c.category);
    clickItem(list.list_viewevent, c.row);
    f.messages.answer(c.yes);
    click(list.FlatButton1);
    EXPECT_EQ(f.messages.shown(), (std::vector<Shown>{{Kind::Question, kDeleteQuestion}}));
    std::vector<TChartEntry> kept;
    for (int i : c.kept)
        kept.push_back(events_[std::size_t(i)]);
    expectChart(kept);
    EXPECT_EQ(list.event_categories->currentIndex(), c.category);
    EXPECT_EQ(numbers(list.list_viewevent), c.entries_after);
}

INSTANTIATE_TEST_SUITE_P(EventList, EventListDelete,
                         ::testing::Values(DeleteCase{"SecondOfFive", 0, 0, true, {1, 2, 3}, {3}},
                                           DeleteCase{"LastEntry", 3, 0, true, {0, 1, 2}, {}},
                                           DeleteCase{"AnsweredNo", 0, 1, false, {0, 1, 2, 3}, {2, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventList, EditOpensTheEditorOnTheEntryThenRefreshes)
{
    Tview_event list(session(), nullptr);
    list.show();
    const std::string before = fileBytes();
    bool opened = false;
    clickItem(list.list_viewevent, 1);
    whenModal([&](QWidget* modal) {
        auto* editor = qobject_cast<Tnew_event*>(modal);
        ASSERT_NE(editor, nullptr);
        opened = true;
        EXPECT_EQ(editor->commentsMemo->text(), "Visit");
        typeText(editor->commentsMemo, "changed");
        click(editor->bt_cancel);
    });
    click(list.bt_cancel);
    EXPECT_TRUE(opened);
    EXPECT_EQ(session().event_mode, 2);
    EXPECT_EQ(chart().edit_index, 4);
    EXPECT_EQ(texts(list.list_viewevent), (QStringList{"Home)1990-1995 Lived in town", "Home)2001 Visit"}));
    EXPECT_EQ(fileBytes(), before);

    clickItem(list.list_viewevent, 1);
    whenModal([&](QWidget* modal) {
        auto* editor = qobject_cast<Tnew_event*>(modal);
        ASSERT_NE(editor, nullptr);
        typeText(editor->commentsMemo, "Visit to Leeds");
        click(editor->bt_ok);
    });
    click(list.bt_cancel);
    EXPECT_EQ(texts(list.list_viewevent), (QStringList{"Home)1990-1995 Lived in town", "Home)2001 Visit to Leeds"}));
    std::vector<TChartEntry> after = events_;
    after[2].text = "Visit to Leeds";
    expectChart(after);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST_F(EventList, AFailedSaveAfterADeletionPutsTheEntryBack)
{
    const std::string before = fileBytes();
    const fs::path good = chart().chart_path;
    chart().chart_path = f.dir / "gone" / "Test.ztl";
    Tview_event list(session(), nullptr);
    list.show();
    clickItem(list.list_viewevent, 0);
    f.messages.answer(true);
    click(list.FlatButton1);
    EXPECT_EQ(f.messages.shown(),
              (std::vector<Shown>{{Kind::Question, kDeleteQuestion}, {Kind::Error, "Invalid filename"}}));
    EXPECT_EQ(texts(list.list_viewevent), (QStringList{"Home)1990-1995 Lived in town", "Home)2001 Visit"}));
    EXPECT_EQ(numbers(list.list_viewevent), (QList<int>{2, 4}));
    chart().chart_path = good;
    expectChart(events_);
    EXPECT_EQ(fileBytes(), before);

    // The list still matches the chart: deleting the same item now removes that event.
    clickItem(list.list_viewevent, 1);
    f.messages.answer(true);
    click(list.FlatButton1);
    expectChart({events_[0], events_[1], events_[3]});
    EXPECT_EQ(numbers(list.list_viewevent), (QList<int>{2}));
}

// --------------------------------------------------------------------- the main window's buttons

// A dialog that is up when it should not be is recorded and closed, so the test cannot hang.
class ModalGuard {
public:
    ModalGuard()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened << QString::fromLatin1(modal->metaObject()->className());
                modal->reject();
            }
        });
        timer_.start(20);
    }
    QStringList opened;

private:
    QTimer timer_;
};

class AddEvent : public ::testing::Test {
protected:
    AddEvent() : f(false) {}

    TForm1& openForm(const std::string& personal, int events = 0)
    {
        f.writeChart("Ann", 1950, 2030, events, personal);
        TForm1& w = f.makeForm();
        w.show();
        EXPECT_TRUE(waitFor([&] { return w.firstTickDone(); }));
        w.openChart("Ann");
        writeFile(page(), "old");
        return w;
    }
    fs::path page() const { return f.dir / "test.html"; }

    UiFixture f;
};

TEST_F(AddEvent, ChooserThenEditorThenTheChartIsRedrawn)
{
    TForm1& w = openForm("Hobby");
    bool edited = false;
    whenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<TNewEventCategorySelect*>(modal);
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(f.session->selected_category.empty());
        ASSERT_EQ(chooser->event_categories->item(0)->text(), "Home & moves");
        EXPECT_EQ(chooser->event_categories->item(chooser->event_categories->count() - 1)->text(), "Hobby");
        clickItem(chooser->event_categories, 0);
        whenModal([&](QWidget* next) {
            auto* editor = qobject_cast<Tnew_event*>(next);
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->title(), "\"Home & moves\" Event");
            typeText(editor->commentsMemo, "Mill Lane");
            click(editor->bt_ok);
            edited = true;
        });
        click(chooser->FlatButton1);
    });
    click(w.bt_addevent);
    EXPECT_TRUE(edited);
    EXPECT_EQ(f.session->event_mode, 1);
    ASSERT_EQ(w.chart().entry_count, 2);
    const TChartEntry& e = w.chart().entries[2];
    EXPECT_EQ(e.type_index, 1);
    EXPECT_EQ(e.text, "Mill Lane");
    EXPECT_EQ(e.start_year, 1950);
    EXPECT_EQ(fs::file_size(f.chartFile("Ann")), 2 * kRecordSize);
    auto loaded = std::make_unique<OpenChart>();
    loadProject(*loaded, f.session->charts, "Ann");
    ASSERT_EQ(loaded->entry_count, 2);
    EXPECT_TRUE(loaded->entries[2] == e);
    EXPECT_NE(readFile(page()).find("Mill Lane"), std::string::npos);

    // "View & Edit Events" redraws once its list closes.
    writeFile(page(), "old");
    whenModal([&](QWidget* modal) {
        auto* list = qobject_cast<Tview_event*>(modal);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(texts(list->list_viewevent), QStringList{"Home & moves)1950-1950 Mill Lane"});
        click(list->bt_ok);
    });
    click(w.FlatButton1);
    EXPECT_NE(readFile(page()).find("Mill Lane"), std::string::npos);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST_F(AddEvent, NoCategoryChosenOpensNoEditorAndDoesNotRedraw)
{
    TForm1& w = openForm(""); // the empty personal event is the last item
    const std::string before = readFile(f.chartFile("Ann"));
    for (const bool empty_item : {false, true}) {
        std::optional<ModalGuard> guard;
        bool chosen = false;
        whenModal([&](QWidget* modal) {
            auto* chooser = qobject_cast<TNewEventCategorySelect*>(modal);
            ASSERT_NE(chooser, nullptr);
            chosen = true;
            if (empty_item) {
                clickItem(chooser->event_categories, chooser->event_categories->count() - 1);
                click(chooser->FlatButton1);
            } else {
                clickItem(chooser->event_categories, 0);
                click(chooser->FlatButton2);
            }
            guard.emplace();
        });
        f.session->selected_category = "stale";
        click(w.bt_addevent);
        QTest::qWait(100); // the guard would catch an editor coming up late
        EXPECT_TRUE(chosen);
        ASSERT_TRUE(guard);
        EXPECT_TRUE(guard->opened.isEmpty()) << guard->opened.join(",").toStdString();
        EXPECT_TRUE(f.session->selected_category.empty());
        EXPECT_EQ(readFile(page()), "old");
        EXPECT_EQ(w.chart().entry_count, 1);
        EXPECT_EQ(readFile(f.chartFile("Ann")), before);
    }
}

TEST_F(AddEvent, AFullChartIsRefusedBeforeAnythingOpens)
{
    TForm1& w = openForm("Hobby", kMaxEntries - 1);
    ASSERT_EQ(w.chart().entry_count, kMaxEntries);
    const std::string before = readFile(f.chartFile("Ann"));
    {
        ModalGuard guard;
        click(w.bt_addevent);
        QTest::qWait(100);
        EXPECT_TRUE(guard.opened.isEmpty()) << guard.opened.join(",").toStdString();
    }
    EXPECT_EQ(f.messages.shown(), (std::vector<Shown>{{Kind::Information, QString::fromLatin1(kChartFullMessage)}}));
    EXPECT_EQ(readFile(page()), "old");

    // Reached another way, the editor refuses too and writes nothing past the capacity.
    f.messages.clear();
    f.session->event_mode = 1;
    f.session->selected_category = "Home & moves";
    Tnew_event editor(*f.session, &w);
    editor.show();
    typeText(editor.commentsMemo, "one too many");
    click(editor.bt_ok);
    EXPECT_EQ(f.messages.shown(), (std::vector<Shown>{{Kind::Error, QString::fromLatin1(kChartFullMessage)}}));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(w.chart().entry_count, kMaxEntries);
    EXPECT_EQ(readFile(f.chartFile("Ann")), before);
}

} // namespace
