#include "dialogs/tuto.h"
#include "platform/htmlviewer.h"
#include "platform/imagebutton.h"
#include "platform/richpane.h"
#include "support/ui_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::test;
namespace fs = std::filesystem;

TEST(MainWindow, CreationThenFirstTick)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    EXPECT_FALSE(w.bt_addevent->isEnabled());
    EXPECT_FALSE(w.FlatButton1->isEnabled());
    EXPECT_EQ(w.Label1->text(), "Project Name:");
    EXPECT_EQ(w.size(), TForm1::kCompactSize);
    EXPECT_GT(f.session->catalogue->type_count, 30);
    EXPECT_EQ(f.session->print.years_per_page, 15);
    EXPECT_DOUBLE_EQ(f.session->print.top_margin, 1.0);
    EXPECT_FALSE(w.mask().isEmpty()); // the skin cut the window's shape
    EXPECT_TRUE(f.messages.shown().empty());

    w.show();
    ASSERT_TRUE(waitFor([&] { return w.firstTickDone(); }));
    EXPECT_EQ(w.Label1->text(), "");
    EXPECT_EQ(f.session->last_text_color, rgb(0, 0, 0));
    EXPECT_EQ(f.session->last_bg_color, rgb(220, 220, 220));
    EXPECT_TRUE(w.HTMLViewer1->currentFile().endsWith("welcome.html"));
    bool loaded = false;
    QObject::connect(w.HTMLViewer1, &platform::HtmlViewer::pageLoaded, [&](bool ok) { loaded = ok; });
    EXPECT_TRUE(waitFor([&] { return loaded; }));
}

TEST(MainWindow, MenuItemsInOrder)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    QStringList captions;
    for (QAction* a : w.PopupMenu1->actions())
        captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, (QStringList{"&View existing or sample chart", "Create &New Chart", "-", "&Edit Chart Name", "-",
                                     "Zen&trel Tutorial", "-", "&Printer Setup", "P&age Setup",
                                     "Print Preview/Export Chart to JPE&G", "-", "&Export to Excel", "-",
                                     "Comments or &Feedback"}));
    for (QAction* a : w.PopupMenu1->actions()) {
        EXPECT_TRUE(a->isEnabled());
        if (!a->isSeparator())
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    }
    EXPECT_EQ(w.FlatButton1->text(), "View && Edit Events");
}

TEST(MainWindow, MissingFilesAreReportedAndTheRestStillRuns)
{
    UiFixture f;
    fs::remove(f.dir / "back_border2.gif");
    fs::remove(f.dir / "welcome.html");
    TForm1& w = f.makeForm();
    ASSERT_EQ(f.messages.texts(), QStringList{"File not found"});
    EXPECT_GT(f.session->catalogue->type_count, 30); // not skipped by the skin's failure
    EXPECT_EQ(f.session->print.years_per_page, 15);
    w.show();
    ASSERT_TRUE(waitFor([&] { return w.firstTickDone(); }));
    EXPECT_EQ(f.messages.texts(), (QStringList{"File not found", "File not found"}));
    EXPECT_EQ(f.session->last_bg_color, rgb(220, 220, 220)); // set before the welcome page

    fs::remove(f.dir / "events.dat");
    f.messages.clear();
    UiFixture g;
    fs::remove(g.dir / "events.dat");
    g.makeForm();
    EXPECT_EQ(g.messages.texts(), QStringList{"File not found"});
    EXPECT_EQ(g.session->catalogue->type_count, 0);
}

TEST(MainWindow, LayoutSwitchMovesControlsAndWindow)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    w.move(300, 200);
    const auto geometryOf = [](QWidget* x) { return x->geometry(); };
    const QRect viewer = geometryOf(w.HTMLViewer1), link = geometryOf(w.JvPanel1), lifestory = geometryOf(w.Panel4),
                version = geometryOf(w.Label2), menu = geometryOf(w.FlatButton2), close = geometryOf(w.ImageButton1),
                title = geometryOf(w.Label1);
    w.ImageButton4Click();
    EXPECT_EQ(w.size(), TForm1::kWideSize);
    EXPECT_EQ(w.pos(), QPoint(50, 50));
    EXPECT_EQ(w.HTMLViewer1->geometry(), viewer.adjusted(0, 29, 160, 29 + 104));
    EXPECT_EQ(w.JvPanel1->geometry(), link.translated(160, 29));
    EXPECT_EQ(w.Panel4->geometry(), lifestory.translated(160, 132));
    EXPECT_EQ(w.Label2->geometry(), version.translated(160, 135));
    EXPECT_EQ(w.FlatButton2->geometry(), menu.translated(0, 133));
    EXPECT_EQ(w.ImageButton1->geometry(), close.translated(160, 0));
    EXPECT_EQ(w.Label1->geometry(), title.translated(0, 29));
    EXPECT_EQ(w.HTMLViewer1->geometry(), QRect(32, 129, 805, 541));

    w.move(120, 80);
    w.ImageButton4Click();
    EXPECT_EQ(w.size(), TForm1::kCompactSize);
    EXPECT_EQ(w.pos(), QPoint(120, 80)); // going back stays put
    EXPECT_EQ(w.HTMLViewer1->geometry(), viewer);
    EXPECT_EQ(w.Label2->geometry(), version);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(MainWindow, TutorialDocksToTheRightEdgeEvenWhileHidden)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    Ttutorial tutorial(*f.session);
    tutorial.FormCreate();
    EXPECT_FALSE(tutorial.cxRichEdit1->toPlainText().isEmpty());
    w.setTutorial(&tutorial);
    w.show();
    const auto docksAt = [&](QPoint at) { return waitFor([&] { return tutorial.pos() == at; }, 2000); };
    w.move(100, 60);
    EXPECT_TRUE(docksAt(QPoint(100 + 710 - 5, 60 + 5)));
    EXPECT_FALSE(tutorial.isVisible());

    // Widening docks to the new width; narrowing alone does not move it; the next move does.
    w.ImageButton4Click(); // moves to 50, 50
    EXPECT_TRUE(docksAt(QPoint(50 + 873 - 5, 55)));
    w.ImageButton4Click();
    QTest::qWait(50);
    EXPECT_EQ(tutorial.pos(), QPoint(50 + 873 - 5, 55));
    w.move(70, 40);
    EXPECT_TRUE(docksAt(QPoint(70 + 710 - 5, 45)));

    w.ZentrelTutorial1Click();
    EXPECT_TRUE(tutorial.isVisible());
    tutorial.cxRichEdit1->setPlainText("my own notes");
    tutorial.close();
    EXPECT_FALSE(tutorial.isVisible());
    w.ZentrelTutorial1Click();
    EXPECT_EQ(tutorial.cxRichEdit1->toPlainText(), "my own notes");
    EXPECT_FALSE(tutorial.cxRichEdit1->isReadOnly());
}

TEST(MainWindow, PrepareHtmlWritesTheChartPageAndShowsIt)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    w.show();
    ASSERT_TRUE(waitFor([&] { return w.firstTickDone(); }));
    w.openChart("Margaret Hill (sample)");
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Margaret Hill (sample)");
    EXPECT_TRUE(w.bt_addevent->isEnabled());
    bool loaded = false;
    QObject::connect(w.HTMLViewer1, &platform::HtmlViewer::pageLoaded, [&](bool ok) { loaded = ok; });
    w.PrepareHTML(true);
    const std::string page = readFile(f.dir / "test.html");
    EXPECT_EQ(page, readFile(fs::path(ZENTREL_SOURCE_DIR) / "tests/tools/golden/sample_chart.html"));
    EXPECT_TRUE(w.HTMLViewer1->currentFile().endsWith("test.html"));
    ASSERT_TRUE(waitFor([&] { return loaded; }));
    QString text;
    w.HTMLViewer1->page()->toPlainText([&](const QString& t) { text = t; });
    ASSERT_TRUE(waitFor([&] { return !text.isEmpty(); }));
    EXPECT_TRUE(text.contains("Mill Lane, Leeds"));
    EXPECT_TRUE(text.contains("Flower shows"));

    // The same file written again shows its new content, not a cached copy.
    TChartEntry fresh;
    fresh.type_index = 1;
    fresh.start_year = 1990;
    fresh.text = "Fresh event";
    w.chart().appendEvent(fresh);
    loaded = false;
    w.PrepareHTML(true);
    ASSERT_TRUE(waitFor([&] { return loaded; }));
    text.clear();
    w.HTMLViewer1->page()->toPlainText([&](const QString& t) { text = t; });
    ASSERT_TRUE(waitFor([&] { return !text.isEmpty(); }));
    EXPECT_TRUE(text.contains("Fresh event"));

    // Without a page, only the grid is built; the file stays as it was.
    fs::remove(f.dir / "test.html");
    w.PrepareHTML(false);
    EXPECT_FALSE(fs::exists(f.dir / "test.html"));
    EXPECT_GT(f.session->grid->grid_cols, 10);
}

TEST(MainWindow, ChartsTooLargeForTheGridAreCutWithOneWarning)
{
    UiFixture f;
    f.writeChart("Long", 1800, 2026);
    TForm1& w = f.makeForm();
    w.openChart("Long");
    w.PrepareHTML(true);
    w.PrepareHTML(true);
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_TRUE(f.messages.texts()[0].contains("227 years"));
    EXPECT_EQ(f.session->grid->grid_rows, 160);
}

TEST(MainWindow, AFailedOpenKeepsTheChartThatWasOpen)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    w.openChart("Margaret Hill (sample)");
    const auto path = w.chart().chart_path;
    const int count = w.chart().entry_count;
    writeFile(f.chartFile("Broken"), "short");
    try {
        w.openChart("Broken");
        FAIL();
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("Read beyond end of file"), std::string::npos);
    }
    EXPECT_EQ(w.chart().chart_path, path);
    EXPECT_EQ(w.chart().entry_count, count);
    EXPECT_EQ(w.Label1->text(), "Zentrel for : Margaret Hill (sample)");
    EXPECT_EQ(readFile(f.chartFile("Broken")), "short");
}

TEST(MainWindow, ErrorsInAHandlerAreShownAndTheProgramGoesOn)
{
    UiFixture f;
    TForm1& w = f.makeForm();
    w.show();
    ASSERT_TRUE(waitFor([&] { return w.firstTickDone(); }));
    // A layout skin gone missing: the click's handler fails, the general handler reports it.
    fs::remove(f.dir / "back_border3.gif");
    f.messages.clear();
    QTest::mouseClick(w.ImageButton4, Qt::LeftButton);
    EXPECT_EQ(f.messages.texts(), QStringList{"File not found"});
    EXPECT_EQ(w.size(), TForm1::kWideSize);
    f.restoreAsset("back_border3.gif");
    QTest::mouseClick(w.ImageButton4, Qt::LeftButton);
    EXPECT_EQ(w.size(), TForm1::kCompactSize);
    EXPECT_EQ(f.messages.shown().size(), 1u);
}
