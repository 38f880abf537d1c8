#include "render/pages.h"
#include "render_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zentrel;
using namespace zentrel::test;

namespace {

constexpr const char* kVerdana = "<FONT STYLE=\"FONT-SIZE: 8pt; COLOR: #000000; FONT-FAMILY: Verdana\">";
constexpr const char* kArial7 = "<FONT STYLE=\"FONT-SIZE: 7pt; COLOR: #000000; FONT-FAMILY: Arial\">";
constexpr const char* kFiller = "<TD><FONT STYLE=\"FONT-SIZE: 7pt; COLOR: #FFFFFF; FONT-FAMILY: Arial\">A</TD>";

std::string yearCell(const std::string& bg, const std::string& text, bool title)
{
    return "<TD BGCOLOR=#" + bg + " style=\"border-width:1; width:50px; border-color:black\" >" +
           (title ? "" : "<CENTER>") + kVerdana + "<B><FONT COLOR=#000001>&nbsp;" + text + (title ? "</B>" : "") +
           "</TD>";
}

std::size_t count(const std::string& s, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1))
        ++n;
    return n;
}

// A grid set by hand: a year column for `rows` - 1 years and an empty age column.
std::unique_ptr<ChartGrid> handGrid(int rows, int cols)
{
    auto g = std::make_unique<ChartGrid>();
    g->reset();
    g->grid_rows = rows;
    g->grid_cols = cols;
    g->put(1, 1, "YEAR", kTitleInk, kYearBand);
    for (int r = 2; r <= rows; ++r)
        g->put(1, r, std::to_string(1968 + r), kTitleInk, kYearBand);
    return g;
}

} // namespace

TEST(ChartPage, SmallChartByteForByte)
{
    // One row named neither "Parents ..." nor Birthdays: "My" then joins type 1's band.
    Catalogue cat;
    parseCatalogue(cat, "School\td\tIn\tOut\tEducation\n");
    ChartBuilder b(1970, 1972);
    b.add(1, 1970, 1971, "Ski");
    auto grid = build(*b.chart, cat);
    std::string page;
    writeChartPage(*grid, page);

    std::string expected =
        "<HTML><BODY><TABLE BORDER=1 BORDERCOLOR=WHITE cellspacing=0 cellpadding=0 width=200\">\r\n"
        "<TR>\r\n";
    expected += yearCell("847A34", "YEAR", true) + yearCell("847A34", "1970", false) +
                yearCell("847A34", "1971", false) + yearCell("847A34", "1972", false);
    expected += "<TR>\r\n";
    expected += yearCell("EEC761", "AGE", true) + yearCell("EEC761", "Born", false) + yearCell("EEC761", "1", false) +
                yearCell("EEC761", "2", false);
    expected += "<TR>\r\n<TD COLSPAN=4 height=1 bgcolor=black></TD><TR>\r\n";
    expected += std::string("<TD ALIGN=RIGHT BGCOLOR=#FFFFFF><NOBR>") + kVerdana +
                "<B><FONT COLOR=#000001>&nbsp;&nbsp;School</B></TD>";
    expected += std::string("<TD BGCOLOR=#0000FF style=\"width:100px;\" colspan=2><NOBR>") + kVerdana +
                "<FONT COLOR=#FF0000>&nbsp;Ski</TD>";
    expected += "<TD></TD>";
    expected += "<TR>\r\n<TD></TD>";
    expected += std::string("<TD BGCOLOR=#EEC761 style=\"width:150px;\" colspan=3><NOBR>") + kVerdana +
                "<FONT COLOR=#000001>&nbsp;My</TD>";
    EXPECT_EQ(page, expected);
    EXPECT_EQ(grid->cell(3, 1).text(), "&nbsp;School"); // the mark is gone from the grid
}

TEST(ChartPage, CellWidthsAndRuns)
{
    auto cat = testCatalogue();
    const struct {
        const char* name;
        int start, end;
        std::string opening;
    } cases[] = {
        {"single year", 1971, 0, "<TD BGCOLOR=#0000FF style=\"width:100px;\" ><NOBR>"},
        {"four years", 1971, 1974, "<TD BGCOLOR=#0000FF style=\"width:200px;\" colspan=4><NOBR>"},
        {"past the last year", 1974, 1990, "<TD BGCOLOR=#0000FF style=\"width:100px;\" colspan=2><NOBR>"},
        {"from the last row", 1975, 1990, "<TD BGCOLOR=#0000FF style=\"width:50px;\" colspan=1><NOBR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChartBuilder b(1970, 1975);
        b.add(Holiday, c.start, c.end, "Trip");
        auto grid = build(*b.chart, *cat);
        std::string page;
        writeChartPage(*grid, page);
        EXPECT_NE(page.find(c.opening + kVerdana + "<FONT COLOR=#FF0000>&nbsp;Trip</TD>"), std::string::npos) << page;
        EXPECT_EQ(count(page, "&nbsp;++"), 0u);
        EXPECT_NE(page.substr(page.size() - 5), "\r\n"); // the file ends right after the last cell
    }
}

TEST(ChartPage, StrayMarksAndEscapedTexts)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 1980);
    b.add(Holiday, 1960, 1972, "Old"); // starts before the chart: its marks stand alone
    b.add(School, 1975, 0, "*Star & <i>");
    auto grid = build(*b.chart, *cat);
    std::string page;
    writeChartPage(*grid, page);
    // Row 1 of the overflow column and the next two hold "++", written as text in one run.
    EXPECT_NE(page.find("style=\"width:150px;\" colspan=3><NOBR>" + std::string(kVerdana) +
                        "<FONT COLOR=#FF0000>&nbsp;++</TD>"),
              std::string::npos);
    // An event text starting with "*" opens a rule row in the middle of its band.
    EXPECT_NE(page.find("<TD COLSPAN=12 height=1 bgcolor=black></TD><TR>\r\n<TD BGCOLOR=#0000FF style=\"width:100px;\" "
                        "><NOBR>" + std::string(kVerdana) + "<FONT COLOR=#FF0000>&nbsp;Star &amp; &lt;i&gt;</TD>"),
              std::string::npos);

    // Two writes of fresh builds are identical.
    auto again = build(*b.chart, *cat);
    std::string page2;
    writeChartPage(*again, page2);
    EXPECT_EQ(page, page2);
}

TEST(PrintPage, TwoPagesByteForByte)
{
    auto g = handGrid(8, 3);
    g->put(3, 1, "*&nbsp;Job", kTitleInk, kWhite);
    g->put(3, 5, "Job", rgb(255, 0, 0), rgb(0, 0, 255));
    for (int r = 6; r <= 8; ++r)
        g->put(3, r, "++", rgb(255, 0, 0), rgb(0, 0, 255));
    std::string out;
    writePrintPage(*g, 6, "Zentrel for : A&B", out);

    const auto year = [](const std::string& text, bool title) {
        return "<TD BGCOLOR=#847A34 style=\"border-width:1; width:16%; border-color:black\" >" +
               std::string(title ? "" : "<CENTER>") + kArial7 + "<B><FONT COLOR=#000001>&nbsp;" + text +
               (title ? "</B>" : "") + "</TD>";
    };
    const std::string head = "<center><FONT STYLE=\"FONT-SIZE: 8pt; COLOR: #000000; FONT-FAMILY: Arial\"><B>Zentrel "
                             "for : A&amp;B</b></center><TABLE BORDER=1 BORDERCOLOR=WHITE cellspacing=0 cellpadding=0 "
                             "width=\"100%\">";
    const std::string job_title = std::string("<TD ALIGN=RIGHT BGCOLOR=#FFFFFF><NOBR>") + kArial7 +
                                  "<B><FONT COLOR=#000001>&nbsp;&nbsp;Job</B></TD>";
    std::string expected = "<HTML><BODY TOPMARGIN=0>\r\n" + head;
    expected += "<TR>\r\n" + year("YEAR", true) + year("1970", false) + year("1971", false) + year("1972", false) +
                year("1973", false) + year("1974", false);
    expected += "<TR>\r\n" + std::string(kFiller) + kFiller + kFiller + kFiller + kFiller + kFiller;
    expected += "<TR>\r\n<TD COLSPAN=6 height=1 bgcolor=black></TD><TR>\r\n" + job_title + kFiller + kFiller + kFiller;
    expected += std::string("<TD BGCOLOR=#0000FF width=32% colspan=2><NOBR>") + kArial7 +
                "<FONT COLOR=#FF0000>&nbsp;Job</TD>";
    expected += "</TABLE><div style=\"page-break-after: always\"></div>\r\n" + head;
    expected += "<TR>\r\n" + year("YEAR", true) + year("1975", false) + year("1976", false);
    expected += "<TR>\r\n" + std::string(kFiller) + kFiller + kFiller;
    expected += "<TR>\r\n<TD COLSPAN=7 height=1 bgcolor=black></TD><TR>\r\n" + job_title;
    expected += std::string("<TD BGCOLOR=#0000FF width=32% colspan=2><NOBR>") + kArial7 +
                "&nbsp;<b>&nbsp;&lt; &lt;</b></TD>";
    expected += "</TABLE>";
    EXPECT_EQ(out, expected);
}

TEST(PrintPage, PagesAndRowsPerPage)
{
    const struct {
        int rows, per_page, pages;
        std::vector<int> cells_per_page; // of the year column, header included
        const char* width;
    } cases[] = {
        {31, 15, 3, {15, 16, 2}, "width:6%"},
        {30, 15, 2, {15, 16}, "width:6%"},
        {10, 15, 1, {10}, "width:6%"},
        {30, 10, 3, {10, 11, 11}, "width:10%"},
        {60, 25, 3, {25, 26, 11}, "width:4%"},
        {20, 7, 3, {7, 8, 7}, "width:14%"},
        {20, 6, 4, {6, 7, 7, 3}, "width:16%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows, " + std::to_string(c.per_page) + " per page");
        auto g = handGrid(c.rows, 2);
        std::string out;
        writePrintPage(*g, c.per_page, "T", out);
        EXPECT_EQ(count(out, "<TABLE"), static_cast<std::size_t>(c.pages));
        EXPECT_EQ(count(out, "page-break-after"), static_cast<std::size_t>(c.pages - 1));
        std::size_t from = 0;
        for (int p = 0; p < c.pages; ++p) {
            const std::size_t end = std::min(out.find("</TABLE>", from), out.size());
            EXPECT_EQ(count(out.substr(from, end - from), c.width), static_cast<std::size_t>(c.cells_per_page[p]));
            from = end + 1;
        }
    }
    auto g = handGrid(10, 2);
    std::string out;
    EXPECT_THROW(writePrintPage(*g, 5, "T", out), std::invalid_argument);
    EXPECT_THROW(writePrintPage(*g, 26, "T", out), std::invalid_argument);
}

TEST(PrintPage, RunsAcrossPageEnds)
{
    // An event on rows 12..18 with 15 years a page: rows 12..15 on page 1, 16..18 on page 2.
    auto g = handGrid(31, 3);
    g->put(3, 12, "Long", rgb(0, 0, 0), rgb(1, 2, 3));
    for (int r = 13; r <= 18; ++r)
        g->put(3, r, "++", rgb(0, 0, 0), rgb(1, 2, 3));
    // A mark cell that ends the last page on its own, and one that opens page 1.
    g->put(3, 31, "++", 0, rgb(4, 5, 6));
    g->put(3, 2, "++", 0, rgb(7, 8, 9));
    std::string out;
    writePrintPage(*g, 15, "T", out);
    const std::string mark = std::string(kArial7) + "&nbsp;<b>&nbsp;&lt; &lt;</b></TD>";
    EXPECT_NE(out.find("<TD BGCOLOR=#010203 width=24% colspan=4><NOBR>" + std::string(kArial7) +
                       "<FONT COLOR=#000000>&nbsp;Long</TD>"),
              std::string::npos);
    EXPECT_NE(out.find("<TD BGCOLOR=#010203 width=18% colspan=3><NOBR>" + mark), std::string::npos);
    EXPECT_NE(out.find("<TD BGCOLOR=#040506 width=6% ><NOBR>" + mark), std::string::npos);
    EXPECT_NE(out.find("<TD BGCOLOR=#070809 width=6% colspan=1><NOBR>" + mark), std::string::npos);
}

TEST(PrintPage, BlankTextsShowOnlyTheBackground)
{
    auto g = handGrid(4, 3);
    g->put(1, 3, " ", kTitleInk, kYearBand);
    std::string out;
    writePrintPage(*g, 15, "", out);
    EXPECT_NE(out.find("<CENTER>" + std::string(kArial7) + "<B><FONT COLOR=#000001>&nbsp;<font color=847A34></TD>"),
              std::string::npos);
    // Column 3 has no cells at all: four fillers.
    EXPECT_NE(out.find("<TR>\r\n" + std::string(kFiller) + kFiller + kFiller + kFiller + "</TABLE>"),
              std::string::npos);
}

TEST(PageFiles, SpreadsheetIsAByteCopyThatReplaces)
{
    TempDir dir;
    const std::string page = "<HTML>\r\n\xE9\x80 bytes";
    writePageFile(dir / "test.html", page);
    writeFile(dir / "old.xls", std::string(5000, 'o'));
    exportSpreadsheet(dir / "test.html", dir / "old.xls");
    EXPECT_EQ(readFile(dir / "old.xls"), page);
    EXPECT_THROW(exportSpreadsheet(dir / "test.html", dir / "no-such-folder" / "x.xls"), IoError);
    EXPECT_THROW(exportSpreadsheet(dir / "missing.html", dir / "x.xls"), IoError);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.xls"));
}
