// The chart dialogs (create, edit, open, delete) and the menu commands around them, driven
// through their real controls on a scratch program folder.
#include "dialogs/newchart.h"
#include "dialogs/openchart.h"
#include "platform/htmlviewer.h"
#include "platform/imagebutton.h"
#include "platform/richpane.h"
#include "platform/skinnedwindow.h"
#include "platform/spinedit.h"
#include "support/ui_fixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace zentrel;
using namespace zentrel::test;
namespace fs = std::filesystem;

namespace {

const QString kEmptyName = QStringLiteral("The field of name can not be empty. Personal Event is optional.");
const QString kDeleteQuestion = QStringLiteral(
    "Are you sure you want to delete the selected chart? Once you delete a chart you can not restor it.");
const char* const kSample = "Margaret Hill (sample)";

QString alreadyExists(const QString& typed)
{
    return QStringLiteral("A chart with the name \"") + typed + QStringLiteral("\" already exists.");
}

// Every file under the program folder with its bytes: "nothing was written" compares two of these.
std::map<std::string, std::string> folderBytes(const fs::path& root)
{
    std::map<std::string, std::string> files;
    if (!fs::exists(root))
        return files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[fs::relative(e.path(), root).string()] = readFile(e.path());
    return files;
}

// The chart as a fresh load from its file reads it, independent of the open chart.
std::unique_ptr<OpenChart> loadFromDisk(const UiFixture& f, const std::string& name)
{
    auto chart = std::make_unique<OpenChart>();
    loadProject(*chart, f.session->charts, name);
    return chart;
}

std::unique_ptr<Tnew_chart> chartDialog(UiFixture& f, int mode)
{
    f.session->chart_mode = mode;
    auto d = std::make_unique<Tnew_chart>(*f.form);
    d->show();
    return d;
}

std::unique_ptr<Topen_chart> openDialog(UiFixture& f)
{
    auto d = std::make_unique<Topen_chart>(*f.form);
    d->show();
    return d;
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

void typeInto(platform::IntSpinEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

QStringList listed(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

// Clicks the item as a user would; false when it is not listed.
bool select(QListWidget* list, const QString& name)
{
    const auto items = list->findItems(name, Qt::MatchExactly);
    if (items.size() != 1)
        return false;
    list->scrollToItem(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    return items[0]->isSelected();
}

QString helpTextOf(const UiFixture& f, const char* file)
{
    platform::RichTextPane pane;
    pane.loadFile(f.session->file(QString::fromLatin1(file)));
    return pane.toPlainText();
}

// What the main window shows of the open chart.
struct OnScreen {
    int entry_count;
    fs::path chart_path;
    TChartEntry header;
    QString title;
    bool buttons;
    bool operator==(const OnScreen&) const = default;
};

OnScreen shownOf(TForm1& w)
{
    return {w.chart().entry_count, w.chart().chart_path, w.chart().header(), w.Label1->text(),
            w.bt_addevent->isEnabled() && w.FlatButton1->isEnabled()};
}

// Runs `action` on the modal dialog if it is of type D; any other modal is closed as a failure.
template <typename D>
void onModal(const std::function<void(D&)>& action)
{
    whenModal([action](QWidget* modal) {
        auto* d = qobject_cast<D*>(modal);
        if (!d) {
            ADD_FAILURE() << "unexpected modal " << modal->metaObject()->className();
            modal->close();
            return;
        }
        action(*d);
    });
}

} // namespace

// ---- new mode ------------------------------------------------------------------------------

TEST(NewChartDialog, StartsEmptyAtTheCurrentYear)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020, 2, "Sailing");
    TForm1& w = f.makeForm();
    w.openChart("Bob"); // an open chart must not leak into a new one
    auto d = chartDialog(f, 0);
    EXPECT_EQ(d->title(), "Create a New Chart");
    EXPECT_EQ(d->my_name->text(), "");
    EXPECT_EQ(d->year_born->value(), 2026);
    EXPECT_EQ(d->year_end->value(), 2026);
    EXPECT_EQ(d->FlatEdit1->text(), "");
    EXPECT_FALSE(d->year_born->isBounded());
    EXPECT_EQ(d->cxRichEdit1->toPlainText(), helpTextOf(f, "dialog_newchart.rtf"));
    EXPECT_FALSE(d->cxRichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(d->cxRichEdit1->isReadOnly());
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(NewChartDialog, CreatesTheTrimmedChartAndOpensIt)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    ASSERT_FALSE(w.bt_addevent->isEnabled());
    auto d = chartDialog(f, 0);
    typeInto(d->my_name, "  Anne  ");
    typeInto(d->year_born, "1950");
    typeInto(d->year_end, "2030");
    typeInto(d->FlatEdit1, "Gardening");
    click(d->FlatButton1);

    EXPECT_TRUE(f.messages.shown().empty()) << f.messages.texts().join("|").toStdString();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    ASSERT_TRUE(fs::exists(f.chartFile("Anne")));
    EXPECT_FALSE(fs::exists(f.chartFile("  Anne  ")));
    EXPECT_EQ(fs::file_size(f.chartFile("Anne")), kRecordSize);
    const auto disk = loadFromDisk(f, "Anne");
    EXPECT_EQ(disk->entry_count, 1);
    EXPECT_EQ(disk->header().text, "Anne");
    EXPECT_EQ(disk->header().start_year, 1950);
    EXPECT_EQ(disk->header().end_year, 2030);
    EXPECT_EQ(disk->header().personal_event, "Gardening");
    EXPECT_EQ(disk->header().type_index, 0);

    EXPECT_EQ(w.chart().entry_count, 1);
    EXPECT_EQ(w.chart().header(), disk->header());
    EXPECT_EQ(w.chart().chart_path, f.chartFile("Anne"));
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Anne");
    EXPECT_TRUE(w.bt_addevent->isEnabled());
    EXPECT_TRUE(w.FlatButton1->isEnabled());

    // Again with the same blanks: refused, quoting the name as typed, and nothing rewritten.
    const auto before = folderBytes(f.dir.path());
    auto again = chartDialog(f, 0);
    typeInto(again->my_name, "  Anne  ");
    click(again->FlatButton1);
    EXPECT_EQ(f.messages.texts(), QStringList{alreadyExists("  Anne  ")});
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(folderBytes(f.dir.path()), before);
}

TEST(NewChartDialog, YearsAreStoredAsTyped)
{
    struct Case {
        const char* name;
        QString born, end;
        int stored_born, stored_end;
    };
    const Case cases[] = {
        {"Plain", "1950", "2030", 1950, 2030},
        {"EndBeforeBirth", "2000", "1990", 2000, 1990}, // not compared
        {"Negative", "-44", "12", -44, 12},
        {"LeftEmpty", "", "", 0, 0},
    };
    UiFixture f;
    TForm1& w = f.makeForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = chartDialog(f, 0);
        typeInto(d->my_name, c.name);
        typeInto(d->year_born, c.born);
        typeInto(d->year_end, c.end);
        click(d->FlatButton1);
        EXPECT_FALSE(d->isVisible());
        const auto disk = loadFromDisk(f, c.name);
        EXPECT_EQ(disk->header().start_year, c.stored_born);
        EXPECT_EQ(disk->header().end_year, c.stored_end);
        EXPECT_EQ(w.chart().header().start_year, c.stored_born);
    }
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(NewChartDialog, DottedNameKeepsItsFileNameButTitlesUpToTheDot)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    auto d = chartDialog(f, 0);
    typeInto(d->my_name, "Anne.Marie");
    click(d->FlatButton1);
    EXPECT_TRUE(fs::exists(f.chartFile("Anne.Marie")));
    EXPECT_EQ(loadFromDisk(f, "Anne.Marie")->header().text, "Anne.Marie");
    EXPECT_EQ(w.chart().chart_path, f.chartFile("Anne.Marie"));
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Anne");

    // Listed under its whole name; opening it gives the same title.
    w.openChart(kSample);
    auto open = openDialog(f);
    EXPECT_TRUE(listed(open->people_chartlist).contains("Anne.Marie"));
    ASSERT_TRUE(select(open->people_chartlist, "Anne.Marie"));
    click(open->FlatButton1);
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Anne");
    EXPECT_EQ(w.chart().header().text, "Anne.Marie");
}

// A name outside ASCII is stored in the chart's code page and round-trips through the file name.
TEST(NewChartDialog, AccentedNameRoundTrips)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    auto d = chartDialog(f, 0);
    d->my_name->setText(QString::fromUtf8("Zoë Brontë")); // QTest types ASCII only
    click(d->FlatButton1);
    ASSERT_TRUE(f.messages.shown().empty()) << f.messages.texts().join("|").toStdString();
    EXPECT_TRUE(fs::exists(f.dir / "data" / "Zoë Brontë.ztl"));
    EXPECT_EQ(w.chart().header().text, "Zo\xeb Bront\xeb");
    EXPECT_EQ(w.Label1->text(), QString::fromUtf8("Zentrel for : Zoë Brontë"));
    auto open = openDialog(f);
    EXPECT_TRUE(listed(open->people_chartlist).contains(QString::fromUtf8("Zoë Brontë")));
}

// ---- refusals, both modes ------------------------------------------------------------------

TEST(ChartDialogRefusals, NothingIsWrittenAndTheDialogStaysOpen)
{
    struct Case {
        const char* label;
        QString typed;
        QString message;
    };
    const QString invalid = QStringLiteral("Invalid filename");
    const Case cases[] = {
        {"empty", "", kEmptyName},
        {"another chart's name", kSample, alreadyExists(kSample)},
        {"another chart's name with blanks", QStringLiteral("  %1 ").arg(kSample),
         alreadyExists(QStringLiteral("  %1 ").arg(kSample))},
        {"only blanks", "   ", invalid},
        {"slash", "Anne/Marie", invalid},
        {"climbs out of the folder", "../escape", invalid},
        {"backslash", "Anne\\Marie", invalid},
        {"colon", "c:Anne", invalid},
        {"star", "Anne*", invalid},
        {"question mark", "Anne?", invalid},
        {"double quote", "\"Anne\"", invalid},
        {"less than", "<Anne", invalid},
        {"greater than", "Anne>", invalid},
        {"bar", "An|ne", invalid},
        {"dot", ".", invalid},
        {"two dots", "..", invalid},
        {"trailing dot", "Anne.", invalid},
        {"trailing dot before blanks", "Anne.  ", invalid},
        {"control character", QStringLiteral("An\x01ne"), invalid},
        {"tab inside", QStringLiteral("An\tne"), invalid},
        {"outside the code page", QString::fromUtf8("Ωmega"), invalid}, // would become "?mega"
    };
    for (int mode : {0, 1}) {
        UiFixture f;
        f.writeChart("Bob", 1960, 2020, 3, "Sailing");
        TForm1& w = f.makeForm();
        if (mode == 1)
            w.openChart("Bob");
        const OnScreen shown = shownOf(w);
        const auto before = folderBytes(f.dir.path());
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(mode ? "edit: " : "new: ") + c.label);
            f.messages.clear();
            auto d = chartDialog(f, mode);
            d->my_name->setText(c.typed);
            d->FlatEdit1->setText("Changed");
            click(d->FlatButton1);
            EXPECT_EQ(f.messages.texts(), QStringList{c.message});
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(folderBytes(f.dir.path()), before);
            EXPECT_FALSE(fs::exists(f.dir / "escape.ztl"));
            EXPECT_TRUE(shownOf(w) == shown);
        }
    }
}

// ---- edit mode -----------------------------------------------------------------------------

TEST(ChartDialogEdit, StartsFromTheOpenChartsHeader)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020, 3, "Sailing");
    TForm1& w = f.makeForm();
    w.openChart("Bob");
    auto d = chartDialog(f, 1);
    EXPECT_EQ(d->title(), "Edit Current Chart");
    EXPECT_EQ(d->my_name->text(), "Bob");
    EXPECT_EQ(d->year_born->value(), 1960);
    EXPECT_EQ(d->year_end->value(), 2020);
    EXPECT_EQ(d->FlatEdit1->text(), "Sailing");
    EXPECT_EQ(d->cxRichEdit1->toPlainText(), helpTextOf(f, "dialog_editchart.rtf"));
    EXPECT_NE(d->cxRichEdit1->toPlainText(), helpTextOf(f, "dialog_newchart.rtf"));
}

TEST(ChartDialogEdit, SameOrNewNameRewritesTheChartKeepingItsEvents)
{
    struct Case {
        const char* label;
        QString typed;
        std::string stored; // the name the chart ends up with
    };
    const Case cases[] = {
        {"same name", "Bob", "Bob"},
        {"new name with blanks", "  Robert ", "Robert"},
        {"case only", "BOB", "BOB"}, // a case-sensitive folder holds no "BOB" yet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        UiFixture f;
        f.writeChart("Bob", 1960, 2020, 3, "Sailing");
        TForm1& w = f.makeForm();
        w.openChart("Bob");
        const auto original = loadFromDisk(f, "Bob");
        auto d = chartDialog(f, 1);
        d->my_name->setText(c.typed);
        typeInto(d->year_born, "1961");
        typeInto(d->year_end, "2025");
        typeInto(d->FlatEdit1, "Rowing");
        click(d->FlatButton1);

        EXPECT_TRUE(f.messages.shown().empty()) << f.messages.texts().join("|").toStdString();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(fs::exists(f.chartFile("Bob")), c.stored == "Bob");
        ASSERT_TRUE(fs::exists(f.chartFile(c.stored)));
        EXPECT_EQ(fs::file_size(f.chartFile(c.stored)), 4 * kRecordSize);
        const auto disk = loadFromDisk(f, c.stored);
        EXPECT_EQ(disk->header().text, c.stored);
        EXPECT_EQ(disk->header().start_year, 1961);
        EXPECT_EQ(disk->header().end_year, 2025);
        EXPECT_EQ(disk->header().personal_event, "Rowing");
        for (int i = 2; i <= 4; ++i)
            EXPECT_EQ(disk->entries[i], original->entries[i]) << "event " << i;
        EXPECT_EQ(w.chart().header(), disk->header());
        EXPECT_EQ(w.chart().entry_count, 4);
        EXPECT_EQ(w.chart().chart_path, f.chartFile(c.stored));
        EXPECT_EQ(w.Label1->text(), QString::fromStdString("Zentrel for : " + c.stored));
    }
}

// The file renamed is the one the chart was opened from, even when its header names another.
TEST(ChartDialogEdit, RenamesTheOpenFileNotTheHeadersName)
{
    UiFixture f;
    OpenChart chart;
    chart.header().text = "Someone Else";
    chart.header().start_year = 1970;
    chart.header().end_year = 2000;
    chart.entry_count = 1;
    chart.chart_path = f.chartFile("Bob");
    saveProject(chart);
    f.writeChart("Someone Else", 1900, 1950); // must survive
    const std::string other = readFile(f.chartFile("Someone Else"));
    TForm1& w = f.makeForm();
    w.openChart("Bob");
    auto d = chartDialog(f, 1);
    EXPECT_EQ(d->my_name->text(), "Someone Else");
    d->my_name->setText("Carl");
    click(d->FlatButton1);
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_FALSE(fs::exists(f.chartFile("Bob")));
    EXPECT_EQ(loadFromDisk(f, "Carl")->header().start_year, 1970);
    EXPECT_EQ(readFile(f.chartFile("Someone Else")), other);
    EXPECT_EQ(w.chart().chart_path, f.chartFile("Carl"));
}

// ---- open / delete -------------------------------------------------------------------------

TEST(OpenDialog, ListsOnlyChartFiles)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020);
    f.writeChart("Anne.Marie", 1960, 2020);
    writeFile(f.dir / "data" / "notes.txt", "not a chart");
    writeFile(f.dir / "data" / ".hidden.ztl", std::string(kRecordSize, '\0'));
    writeFile(f.dir / "data" / "Bob.ztl.bak", "old");
    fs::create_directory(f.dir / "data" / "folder.ztl");
    f.makeForm();
    auto d = openDialog(f);
    EXPECT_EQ(d->title(), "Open Chart");
    EXPECT_EQ(sorted(listed(d->people_chartlist)), (QStringList{"Anne.Marie", "Bob", kSample}));
    EXPECT_EQ(d->people_chartlist->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(d->cxRichEdit1->toPlainText(), helpTextOf(f, "dialog_opencharts.rtf"));
    EXPECT_FALSE(d->cxRichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(OpenDialog, OkOpensTheSelectedChart)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    auto d = openDialog(f);
    ASSERT_TRUE(select(d->people_chartlist, kSample));
    click(d->FlatButton1);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(w.chart().entry_count, 40);
    EXPECT_EQ(w.chart().chart_path, f.chartFile(kSample));
    EXPECT_EQ(w.chart().header().personal_event, "Flower shows");
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Margaret Hill (sample)");
    EXPECT_TRUE(w.bt_addevent->isEnabled());
    EXPECT_TRUE(w.FlatButton1->isEnabled());
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(OpenDialog, OkAndDeleteWithoutSelectionDoNothing)
{
    for (bool with_charts : {true, false}) {
        SCOPED_TRACE(with_charts ? "charts listed" : "empty folder");
        UiFixture f(with_charts);
        TForm1& w = f.makeForm();
        const OnScreen shown = shownOf(w);
        const auto before = folderBytes(f.dir.path());
        auto d = openDialog(f);
        EXPECT_EQ(d->people_chartlist->count(), with_charts ? 1 : 0);
        click(d->FlatButton1);
        f.messages.answer(true); // a question asked anyway would delete
        click(d->FlatButton3);
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(f.messages.shown().empty());
        EXPECT_EQ(f.messages.pendingAnswers(), 1);
        EXPECT_EQ(folderBytes(f.dir.path()), before);
        EXPECT_TRUE(shownOf(w) == shown);
    }
}

TEST(OpenDialog, DeleteAsksAndOnYesRemovesTheChartFromFolderAndList)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020);
    f.writeChart("Carl", 1960, 2020);
    TForm1& w = f.makeForm();
    w.openChart(kSample);
    const OnScreen shown = shownOf(w);
    auto d = openDialog(f);
    ASSERT_TRUE(select(d->people_chartlist, "Bob"));

    f.messages.answer(false);
    click(d->FlatButton3);
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_EQ(f.messages.shown()[0], (platform::ScriptedMessages::Shown{platform::Messages::Kind::Question, kDeleteQuestion}));
    EXPECT_TRUE(fs::exists(f.chartFile("Bob")));
    EXPECT_EQ(sorted(listed(d->people_chartlist)), (QStringList{"Bob", "Carl", kSample}));

    f.messages.answer(true);
    click(d->FlatButton3);
    EXPECT_EQ(f.messages.shown().size(), 2u);
    EXPECT_EQ(f.messages.pendingAnswers(), 0);
    EXPECT_FALSE(fs::exists(f.chartFile("Bob")));
    EXPECT_TRUE(fs::exists(f.chartFile("Carl")));
    EXPECT_EQ(sorted(listed(d->people_chartlist)), (QStringList{"Carl", kSample}));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(shownOf(w) == shown);
}

TEST(OpenDialog, DeletingTheOpenChartKeepsItAndTheNextChangeWritesItBack)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020, 3, "Sailing");
    const std::string original = readFile(f.chartFile("Bob"));
    TForm1& w = f.makeForm();
    {
        auto d = openDialog(f);
        ASSERT_TRUE(select(d->people_chartlist, "Bob"));
        click(d->FlatButton1);
    }
    const OnScreen shown = shownOf(w);
    {
        auto d = openDialog(f);
        ASSERT_TRUE(select(d->people_chartlist, "Bob"));
        f.messages.answer(true);
        click(d->FlatButton3);
        EXPECT_FALSE(listed(d->people_chartlist).contains("Bob"));
        click(d->closeBox());
    }
    EXPECT_FALSE(fs::exists(f.chartFile("Bob")));
    EXPECT_TRUE(shownOf(w) == shown);

    auto edit = chartDialog(f, 1);
    EXPECT_EQ(edit->my_name->text(), "Bob");
    click(edit->FlatButton1);
    EXPECT_EQ(f.messages.shown().size(), 1u); // the question only
    EXPECT_EQ(readFile(f.chartFile("Bob")), original);
}

// Broken behind the program's back between listing and Ok: reported, dialog open, old chart kept.
TEST(OpenDialog, AChartThatFailsToLoadIsReportedAndTheOpenChartKept)
{
    struct Case {
        const char* label;
        std::string name; // UTF-8, as on disk
        std::function<void(const fs::path&)> spoil;
        const char* runtime_text;
    };
    const Case cases[] = {
        {"deleted", "Bob", [](const fs::path& p) { fs::remove(p); }, "File not found"},
        {"cut short", "Bob", [](const fs::path& p) { fs::resize_file(p, 100); }, "Read beyond end of file"},
        {"emptied", "Bob", [](const fs::path& p) { writeFile(p, ""); }, "Read beyond end of file"},
        {"accented name deleted", "Zoë", [](const fs::path& p) { fs::remove(p); }, "File not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        UiFixture f;
        const fs::path file = f.dir / "data" / (c.name + ".ztl");
        f.writeChart("Bob", 1960, 2020, 3);
        f.writeChart("Carl", 1960, 2020);
        if (c.name != "Bob")
            fs::copy_file(f.chartFile("Bob"), file);
        TForm1& w = f.makeForm();
        w.openChart(kSample);
        const OnScreen shown = shownOf(w);
        auto d = openDialog(f);
        ASSERT_TRUE(select(d->people_chartlist, QString::fromStdString(c.name)));
        c.spoil(file);
        const auto spoiled = folderBytes(f.dir.path());
        click(d->FlatButton1);

        ASSERT_EQ(f.messages.shown().size(), 1u);
        const QString text = f.messages.texts()[0];
        EXPECT_TRUE(text.contains(QString::fromStdString(c.name))) << text.toStdString();
        EXPECT_TRUE(text.contains(c.runtime_text)) << text.toStdString();
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(shownOf(w) == shown);
        EXPECT_EQ(folderBytes(f.dir.path()), spoiled);

        // The dialog is still usable: another chart opens.
        ASSERT_TRUE(select(d->people_chartlist, "Carl"));
        click(d->FlatButton1);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(w.Label1->text(), "Zentrel for : Carl");
    }
}

TEST(OpenDialog, MissingChartFolderListsNothingAndCreatingFails)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    w.openChart(kSample);
    fs::remove_all(f.dir / "data");
    const OnScreen shown = shownOf(w);
    const auto before = folderBytes(f.dir.path());

    auto open = openDialog(f);
    EXPECT_EQ(open->people_chartlist->count(), 0);
    click(open->FlatButton1);
    click(open->FlatButton3);
    EXPECT_TRUE(open->isVisible());
    EXPECT_TRUE(f.messages.shown().empty());

    auto create = chartDialog(f, 0);
    typeInto(create->my_name, "Anne");
    click(create->FlatButton1);
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_EQ(f.messages.shown()[0].kind, platform::Messages::Kind::Error);
    EXPECT_EQ(f.messages.texts()[0], "Invalid filename");
    EXPECT_TRUE(create->isVisible());
    EXPECT_FALSE(fs::exists(f.dir / "data"));
    EXPECT_EQ(folderBytes(f.dir.path()), before);
    EXPECT_TRUE(shownOf(w) == shown);
}

// ---- Cancel and the close box --------------------------------------------------------------

TEST(ChartDialogCancel, CancelAndCloseBoxChangeNothing)
{
    enum Which { NewChart, EditChart, Open };
    struct Case {
        const char* label;
        Which which;
        bool close_box;
    };
    const Case cases[] = {
        {"new, Cancel", NewChart, false}, {"new, close box", NewChart, true},
        {"edit, Cancel", EditChart, false}, {"edit, close box", EditChart, true},
        {"open, Cancel", Open, false},      {"open, close box", Open, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        UiFixture f;
        f.writeChart("Bob", 1960, 2020, 2, "Sailing");
        TForm1& w = f.makeForm();
        w.openChart("Bob");
        const OnScreen shown = shownOf(w);
        const auto before = folderBytes(f.dir.path());
        std::unique_ptr<platform::SkinnedDialog> d;
        QPushButton* cancel = nullptr;
        if (c.which == Open) {
            auto o = openDialog(f);
            EXPECT_TRUE(select(o->people_chartlist, kSample));
            cancel = o->FlatButton2;
            d = std::move(o);
        } else {
            auto n = chartDialog(f, c.which == EditChart ? 1 : 0);
            typeInto(n->my_name, "Zed");
            typeInto(n->year_born, "1900");
            typeInto(n->FlatEdit1, "Changed");
            cancel = n->FlatButton2;
            d = std::move(n);
        }
        EXPECT_EQ(cancel->text(), "Cancel");
        ASSERT_NE(d->closeBox(), nullptr);
        EXPECT_TRUE(d->closeBox()->isVisible());
        click(c.close_box ? static_cast<QWidget*>(d->closeBox()) : cancel);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_TRUE(f.messages.shown().empty());
        EXPECT_EQ(folderBytes(f.dir.path()), before);
        EXPECT_TRUE(shownOf(w) == shown); // chart_path kept, so later changes still save
    }
}

// ---- the main menu's wiring ----------------------------------------------------------------

TEST(ChartDialogMenu, ViewExistingOpensSetsThePersonalTypeAndRedraws)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020, 2, "Sailing");
    TForm1& w = f.makeForm();
    fs::remove(f.dir / "test.html");
    onModal<Topen_chart>([](Topen_chart& d) {
        EXPECT_TRUE(select(d.people_chartlist, kSample));
        click(d.FlatButton1);
    });
    w.OpenCharts1Click();
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Margaret Hill (sample)");
    EXPECT_TRUE(w.bt_addevent->isEnabled());
    EXPECT_EQ(f.session->catalogue->row(kPersonalType).name, "Flower shows");
    EXPECT_EQ(f.session->catalogue->row(kPersonalType).category, "Flower shows");
    EXPECT_EQ(readFile(f.dir / "test.html"),
              readFile(fs::path(ZENTREL_SOURCE_DIR) / "tests/tools/golden/sample_chart.html"));
    EXPECT_TRUE(w.HTMLViewer1->currentFile().endsWith("test.html"));

    // However the dialog closes, the row follows the open chart and the chart is redrawn.
    w.openChart("Bob");
    fs::remove(f.dir / "test.html");
    onModal<Topen_chart>([](Topen_chart& d) { click(d.FlatButton2); });
    w.OpenCharts1Click();
    EXPECT_EQ(f.session->catalogue->row(kPersonalType).name, "Sailing");
    EXPECT_NE(readFile(f.dir / "test.html").find("event 1"), std::string::npos);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(ChartDialogMenu, CreateNewChartRunsTheDialogInNewMode)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    f.session->chart_mode = 1;
    fs::remove(f.dir / "test.html");
    onModal<Tnew_chart>([](Tnew_chart& d) {
        EXPECT_EQ(d.title(), "Create a New Chart");
        typeInto(d.my_name, "Anne");
        typeInto(d.year_born, "1990");
        click(d.FlatButton1);
    });
    w.CreateNewChart1Click();
    EXPECT_EQ(f.session->chart_mode, 0);
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Anne");
    EXPECT_EQ(loadFromDisk(f, "Anne")->header().start_year, 1990);
    EXPECT_TRUE(fs::exists(f.dir / "test.html")); // redrawn
    EXPECT_TRUE(w.HTMLViewer1->currentFile().endsWith("test.html"));
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(ChartDialogMenu, EditChartNameRunsTheDialogInEditModeAndSetsThePersonalType)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020, 2, "Sailing");
    TForm1& w = f.makeForm();
    w.openChart("Bob");
    f.session->catalogue->setPersonalEvent("Sailing");
    fs::remove(f.dir / "test.html");
    onModal<Tnew_chart>([](Tnew_chart& d) {
        EXPECT_EQ(d.title(), "Edit Current Chart");
        EXPECT_EQ(d.my_name->text(), "Bob");
        typeInto(d.FlatEdit1, "Rowing");
        click(d.FlatButton1);
    });
    w.EditChartDetails1Click();
    EXPECT_EQ(f.session->chart_mode, 1);
    EXPECT_EQ(f.session->catalogue->row(kPersonalType).name, "Rowing");
    EXPECT_EQ(loadFromDisk(f, "Bob")->header().personal_event, "Rowing");
    EXPECT_NE(readFile(f.dir / "test.html").find("event 1"), std::string::npos);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(ChartDialogMenu, EditChartNameWithNoChartOpenIsRefused)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    const OnScreen shown = shownOf(w);
    const auto before = folderBytes(f.dir.path());
    bool dialog_came_up = false;
    QTimer guard; // a dialog would block exec(): close it and fail
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            dialog_came_up = true;
            m->close();
        }
    });
    guard.start(20);
    w.EditChartDetails1Click();
    guard.stop();
    EXPECT_FALSE(dialog_came_up);
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_TRUE(f.messages.texts()[0].contains("no chart open")) << f.messages.texts()[0].toStdString();
    EXPECT_EQ(folderBytes(f.dir.path()), before);
    EXPECT_TRUE(shownOf(w) == shown);
}

// ---- missing help text or skin -------------------------------------------------------------

TEST(ChartDialogAssets, AMissingHelpTextOrSkinIsReportedAndTheDialogStillWorks)
{
    enum Which { NewChart, EditChart, Open };
    struct Case {
        const char* removed;
        Which which;
    };
    const Case cases[] = {
        {"dialog_newchart.rtf", NewChart}, {"dialog_newchart.gif", NewChart},
        {"dialog_editchart.rtf", EditChart}, {"dialog_newchart.gif", EditChart},
        {"dialog_opencharts.rtf", Open},   {"dialog_newchart.gif", Open},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.removed) + " / " + std::to_string(c.which));
        UiFixture f;
        f.writeChart("Bob", 1960, 2020, 1, "Sailing");
        TForm1& w = f.makeForm();
        w.openChart("Bob");
        fs::remove(f.dir / c.removed);
        const bool help_missing = std::string(c.removed).ends_with(".rtf");

        std::unique_ptr<platform::SkinnedDialog> d;
        platform::RichTextPane* help = nullptr;
        if (c.which == Open) {
            auto o = openDialog(f);
            EXPECT_EQ(sorted(listed(o->people_chartlist)), (QStringList{"Bob", kSample})); // still filled
            help = o->cxRichEdit1;
            d = std::move(o);
        } else {
            auto n = chartDialog(f, c.which == EditChart ? 1 : 0);
            help = n->cxRichEdit1;
            EXPECT_EQ(n->year_born->value(), c.which == EditChart ? 1960 : 2026); // still filled
            d = std::move(n);
        }
        EXPECT_EQ(f.messages.texts(), QStringList{"File not found"});
        EXPECT_EQ(help->toPlainText().isEmpty(), help_missing);
        EXPECT_EQ(platform::Skin::of(d.get())->picture().isNull(), !help_missing);
        f.messages.clear();

        // Ok does its work.
        if (auto* o = qobject_cast<Topen_chart*>(d.get())) {
            ASSERT_TRUE(select(o->people_chartlist, kSample));
            click(o->FlatButton1);
            EXPECT_EQ(w.Label1->text(), "Zentrel for : Margaret Hill (sample)");
        } else if (auto* n = qobject_cast<Tnew_chart*>(d.get())) {
            n->my_name->setText("Anne");
            click(n->FlatButton1);
            EXPECT_EQ(w.Label1->text(), "Zentrel for : Anne");
            EXPECT_TRUE(fs::exists(f.chartFile("Anne")));
        }
        EXPECT_FALSE(d->isVisible());
        EXPECT_TRUE(f.messages.shown().empty());
    }
}

// ---- spreadsheet export --------------------------------------------------------------------

TEST(ExportToExcel, CopiesTheFreshChartPageAndProposesTheLastName)
{
    UiFixture f;
    f.writeChart("Bob", 1960, 2020, 2);
    TForm1& w = f.makeForm();
    w.openChart(kSample);
    QStringList proposed;
    QString choice;
    w.SaveDialog1 = [&](const QString& p) {
        proposed << p;
        return choice;
    };
    const fs::path first = f.dir / "out.xls", second = f.dir / "bob.xls";
    writeFile(first, std::string(100000, 'x')); // replaced without a question, not patched
    fs::remove(f.dir / "test.html");
    choice = QString::fromStdString(first.string());
    w.ExporttoExcel1Click();
    const std::string golden = readFile(fs::path(ZENTREL_SOURCE_DIR) / "tests/tools/golden/sample_chart.html");
    EXPECT_EQ(readFile(first), golden);
    EXPECT_EQ(readFile(f.dir / "test.html"), golden);
    EXPECT_EQ(f.messages.texts(), QStringList{"Export Complete!"});

    // The page is rebuilt from the chart open now.
    w.openChart("Bob");
    f.messages.clear();
    choice = QString::fromStdString(second.string());
    w.ExporttoExcel1Click();
    EXPECT_EQ(readFile(second), readFile(f.dir / "test.html"));
    EXPECT_NE(readFile(second).find("event 1"), std::string::npos);
    EXPECT_EQ(readFile(first), golden);
    EXPECT_EQ(f.messages.texts(), QStringList{"Export Complete!"});

    // Cancel: nothing written, the page not even rebuilt.
    f.messages.clear();
    fs::remove(f.dir / "test.html");
    const auto before = folderBytes(f.dir.path());
    choice.clear();
    w.ExporttoExcel1Click();
    EXPECT_EQ(folderBytes(f.dir.path()), before);
    EXPECT_TRUE(f.messages.shown().empty());

    EXPECT_EQ(proposed, (QStringList{"", QString::fromStdString(first.string()), QString::fromStdString(second.string())}));
}

TEST(ExportToExcel, AFailedCopyIsReportedNotCompleted)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    w.openChart(kSample);
    const fs::path target = f.dir / "no such folder" / "out.xls";
    w.SaveDialog1 = [&](const QString&) { return QString::fromStdString(target.string()); };
    // As from the menu: through the event loop, where the general error handler reports.
    QMetaObject::invokeMethod(&w, [&w] { w.ExporttoExcel1Click(); }, Qt::QueuedConnection);
    ASSERT_TRUE(waitFor([&] { return !f.messages.shown().empty(); }, 5000));
    QTest::qWait(20);
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_EQ(f.messages.shown()[0].kind, platform::Messages::Kind::Error);
    EXPECT_FALSE(f.messages.texts().contains("Export Complete!"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(target.parent_path()));
}

// The real save dialog: its suffix and filter, and the last name offered again.
TEST(ExportToExcel, SaveDialogAddsTheExtensionAndOffersTheLastName)
{
    UiFixture f;
    TForm1& w = f.makeForm(); // no chart open: the empty chart's page is exported
    const QString chosen = QString::fromStdString((f.dir / "mine").string());
    onModal<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d.defaultSuffix(), "xls");
        EXPECT_EQ(d.nameFilters(), QStringList{"Excel File (*.xls)"});
        d.selectFile(chosen);
        static_cast<QDialog&>(d).accept(); // QFileDialog::accept checks the name as the button does
    });
    w.ExporttoExcel1Click();
    ASSERT_TRUE(fs::exists(f.dir / "mine.xls"));
    EXPECT_EQ(readFile(f.dir / "mine.xls"), readFile(f.dir / "test.html"));
    EXPECT_EQ(f.messages.texts(), QStringList{"Export Complete!"});

    QStringList offered;
    onModal<QFileDialog>([&](QFileDialog& d) {
        offered = d.selectedFiles();
        d.reject();
    });
    w.ExporttoExcel1Click();
    EXPECT_EQ(offered, QStringList{chosen + ".xls"});
    EXPECT_EQ(f.messages.shown().size(), 1u);
}
