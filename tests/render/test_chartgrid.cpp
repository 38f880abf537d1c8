#include "render_fixture.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::test;

namespace {

// The texts of column c, rows 1..to, with "" for empty cells.
std::vector<std::string> column(const ChartGrid& g, int c, int to)
{
    std::vector<std::string> out;
    for (int r = 1; r <= to; ++r)
        out.emplace_back(g.cell(c, r).text());
    return out;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(ChartGrid, YearAndAgeColumns)
{
    auto cat = testCatalogue();
    auto grid = build(*ChartBuilder(1970, 1975).chart, *cat);
    EXPECT_EQ(grid->grid_rows, 7);
    EXPECT_EQ(column(*grid, 1, 7), (Texts{"YEAR", "1970", "1971", "1972", "1973", "1974", "1975"}));
    EXPECT_EQ(column(*grid, 2, 7), (Texts{"AGE", "Born", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(grid->cell(1, 3).bg_color, rgb(132, 122, 52));
    EXPECT_EQ(grid->cell(2, 1).bg_color, rgb(238, 199, 97));
    EXPECT_EQ(grid->cell(2, 4).text_color, rgb(0, 0, 1));
    // Without events the family birth-year type still gets its column, from "My"; a chart of
    // fewer than 21 years leaves it with only its title.
    EXPECT_EQ(grid->grid_cols, 3);
    EXPECT_EQ(column(*grid, 3, 7), (Texts{"*&nbsp;Parents / Sisters / Brothers birth year", "", "", "", "", "", ""}));
    EXPECT_EQ(grid->cell(3, 1).bg_color, kWhite);
    EXPECT_TRUE(grid->fits());
}

TEST(ChartGrid, DegenerateYearRanges)
{
    auto cat = testCatalogue();
    const struct {
        int born, last, rows;
        Texts years;
    } cases[] = {
        {1980, 1979, 3, {"YEAR", "", ""}}, // no year rows
        {1980, 1980, 3, {"YEAR", "1980", ""}},
        {0, 0, 3, {"YEAR", "0", ""}}, // an unset header
    };
    for (const auto& c : cases) {
        auto grid = build(*ChartBuilder(c.born, c.last).chart, *cat);
        EXPECT_EQ(grid->grid_rows, c.rows);
        EXPECT_EQ(column(*grid, 1, 3), c.years);
    }
    // No chart loaded at all: the first slot's zeros still give one year row.
    auto empty = std::make_unique<OpenChart>();
    auto grid = build(*empty, *cat);
    EXPECT_EQ(column(*grid, 2, 3), (Texts{"AGE", "Born", ""}));
}

TEST(ChartGrid, MultiYearEventsWriteContinuationMarks)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 2000);
    b.add(School, 1980, 1983, "Grammar").add(School, 1990, 0, "Single").add(School, 1995, 1994, "Backwards");
    auto grid = build(*b.chart, *cat);
    // Education is visited third; its one type gets the group mark.
    EXPECT_EQ(grid->cell(3, 1).text(), "*&nbsp;School");
    EXPECT_EQ(column(*grid, 3, 17), (Texts{"*&nbsp;School", "", "", "", "", "", "", "", "", "", "", "Grammar", "++", "++",
                                           "++", "", ""}));
    EXPECT_EQ(grid->cell(3, 13).bg_color, rgb(0, 0, 255));
    EXPECT_EQ(grid->cell(3, 22).text(), "Single");
    EXPECT_EQ(grid->cell(3, 23).text(), "");
    EXPECT_EQ(grid->cell(3, 27).text(), "Backwards");
    EXPECT_EQ(grid->cell(3, 28).text(), "");
}

TEST(ChartGrid, CollisionsDependOnPlacingOrder)
{
    auto cat = testCatalogue();
    // The later entry's free test reaches the year after its end (1984), so it moves over.
    ChartBuilder first(1970, 2000);
    first.add(HomeTown, 1984, 1986, "B").add(HomeTown, 1980, 1983, "A");
    auto g1 = build(*first.chart, *cat);
    EXPECT_EQ(g1->cell(3, 16).text(), "B");
    EXPECT_EQ(g1->cell(4, 12).text(), "A");
    EXPECT_EQ(g1->cell(4, 1).text(), ""); // overflow columns have no title
    EXPECT_EQ(g1->cell(5, 1).text().substr(0, 1), "*"); // the next band is Birthdays'
    // The other way round they share the column.
    ChartBuilder second(1970, 2000);
    second.add(HomeTown, 1980, 1983, "A").add(HomeTown, 1984, 1986, "B");
    auto g2 = build(*second.chart, *cat);
    EXPECT_EQ(g2->cell(3, 12).text(), "A");
    EXPECT_EQ(g2->cell(3, 16).text(), "B");
    EXPECT_EQ(g2->grid_cols, g1->grid_cols - 1);

    // Three entries in one single year use two overflow columns.
    ChartBuilder same(1970, 2000);
    same.add(Holiday, 1990, 0, "x").add(Holiday, 1990, 0, "y").add(Holiday, 1990, 0, "z");
    auto g3 = build(*same.chart, *cat);
    EXPECT_EQ(g3->cell(3, 22).text(), "x");
    EXPECT_EQ(g3->cell(4, 22).text(), "y");
    EXPECT_EQ(g3->cell(5, 22).text(), "z");
    EXPECT_EQ(g3->grid_cols, 6); // 3 + 2 overflow + the family column
}

TEST(ChartGrid, CategoryTitlesAndGroupMarks)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 1980);
    b.add(HomeTown, 1971, 0, "t").add(Holiday, 1972, 0, "h"); // two types of Home
    b.add(Chores, 1973, 0, "c");                             // Homework: one type
    b.add(Gig, 1974, 0, "g");   // "work," is found inside "Homework,": taken as seen
    b.add(Office, 1975, 0, "o"); // "Work" is not
    auto grid = build(*b.chart, *cat);
    EXPECT_EQ(column(*grid, 3, 1)[0], "*Home");
    EXPECT_EQ(column(*grid, 4, 1)[0], "&nbsp;Home town");
    EXPECT_EQ(column(*grid, 5, 1)[0], "&nbsp;Holiday");
    EXPECT_EQ(column(*grid, 6, 1)[0], "*&nbsp;Chores");
    EXPECT_EQ(column(*grid, 7, 1)[0], "*&nbsp;Office");
    EXPECT_EQ(column(*grid, 8, 1)[0], "&nbsp;Gig");
    EXPECT_EQ(grid->cell(3, 1).text_color, rgb(0, 0, 1));
}

TEST(ChartGrid, BirthdaysLabelsAndEndYearMarkers)
{
    auto cat = testCatalogue();
    ChartBuilder alive(1970, 2050);
    alive.add(Kids, 1940, 0, "Gran");
    auto g1 = build(*alive.chart, *cat);
    // Birthdays has two types (My's and Kids): a title column, then the two type columns.
    EXPECT_EQ(g1->cell(3, 1).text(), "*Birthdays");
    EXPECT_EQ(g1->cell(4, 1).text(), "&nbsp;Parents / Sisters / Brothers birth year");
    EXPECT_EQ(g1->cell(5, 1).text(), "&nbsp;Kids birth year");
    EXPECT_EQ(g1->cell(5, 2).text(), "Gran 30th"); // no " born", no " 21st": before the chart
    EXPECT_EQ(g1->cell(5, 12).text(), "Gran 40th");
    EXPECT_EQ(g1->cell(5, 82).text(), "Gran 110th");
    EXPECT_EQ(g1->cell(4, 23).text(), "My 21st");
    EXPECT_EQ(g1->cell(4, 2).text(), ""); // "My" never gets " born"
    EXPECT_EQ(g1->grid_cols, 5);

    ChartBuilder died(1970, 2050);
    died.add(Kids, 1940, 2000, "Gran", rgb(1, 2, 3), rgb(4, 5, 6));
    auto g2 = build(*died.chart, *cat);
    // The marker lands in type 14's band (Family, visited first).
    EXPECT_EQ(g2->cell(3, 1).text(), "*&nbsp;Loss");
    EXPECT_EQ(g2->cell(3, 32).text(), "Gran");
    EXPECT_EQ(g2->cell(3, 32).bg_color, rgb(4, 5, 6));
    EXPECT_EQ(g2->cell(4, 1).text(), "*Birthdays");
    // Its free test reaches the title row, so the entry moves to an overflow column.
    EXPECT_EQ(column(*g2, 6, 2), (Texts{"&nbsp;Kids birth year", ""}));
    EXPECT_EQ(g2->cell(7, 2).text(), "Gran 30th");
    EXPECT_EQ(g2->cell(7, 32).text(), "Gran 60th");
    EXPECT_EQ(g2->cell(7, 42).text(), "");
    EXPECT_EQ(g2->grid_cols, 7);

    ChartBuilder born(1970, 2000);
    born.add(Kids, 1975, 0, "Sam");
    auto g3 = build(*born.chart, *cat);
    EXPECT_EQ(g3->cell(5, 7).text(), "Sam born");
    EXPECT_EQ(g3->cell(5, 28).text(), "Sam 21st");
}

TEST(ChartGrid, MyEntryFallsBackToTheLastRowWithoutTheFamilyType)
{
    auto cat = testCatalogue(false);
    auto grid = build(*ChartBuilder(1970, 2000).chart, *cat);
    EXPECT_EQ(grid->grid_cols, 3);
    EXPECT_EQ(grid->cell(3, 1).text(), "*&nbsp;Kids birth year");
    EXPECT_EQ(grid->cell(3, 23).text(), "My 21st");

    auto none = std::make_unique<Catalogue>();
    auto bare = build(*ChartBuilder(1970, 2000).chart, *none);
    EXPECT_EQ(bare->grid_cols, 2); // My has type 0 and is never placed
}

TEST(ChartGrid, EventTheYearBeforeBirthLandsInAnOverflowTitleRow)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 1980);
    b.add(Holiday, 1969, 0, "Conceived");
    auto grid = build(*b.chart, *cat);
    EXPECT_EQ(grid->cell(3, 1).text(), "*&nbsp;Holiday");
    EXPECT_EQ(grid->cell(4, 1).text(), "Conceived");
}

TEST(ChartGrid, PersonalEventIsTheLastBand)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 1980, "Sailing & <b>");
    b.add(kPersonalType, 1975, 1977, "Regatta");
    auto grid = build(*b.chart, *cat);
    EXPECT_EQ(cat->row(99).category, "Sailing & <b>");
    EXPECT_EQ(grid->grid_cols, 4);
    EXPECT_EQ(grid->cell(4, 1).text(), "*&nbsp;Sailing &amp; &lt;b&gt;");
    EXPECT_EQ(grid->cell(4, 7).text(), "Regatta");
}

TEST(ChartGrid, TextsAreEscapedThenCutTo200)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 2000);
    b.add(Holiday, 1971, 0, "a<b & c>d")
        .add(Holiday, 1972, 0, std::string(250, 'x'))
        .add(Holiday, 1973, 0, std::string(199, 'y') + "&")
        .add(Kids, 1975, 0, std::string(200, 'k'));
    auto grid = build(*b.chart, *cat);
    EXPECT_EQ(grid->cell(3, 3).text(), "a&lt;b &amp; c&gt;d");
    EXPECT_EQ(grid->cell(3, 4).text(), std::string(200, 'x'));
    EXPECT_EQ(grid->cell(3, 5).text(), std::string(199, 'y')); // no half entity
    // A birthday label on a 200-character text loses its suffix.
    bool found = false;
    for (int c = 4; c <= grid->grid_cols; ++c)
        found |= grid->cell(c, 7).text() == std::string(200, 'k');
    EXPECT_TRUE(found);
}

TEST(ChartGrid, OversizedChartsAreCutAndSaySo)
{
    auto cat = testCatalogue();
    auto long_life = build(*ChartBuilder(1800, 2100).chart, *cat);
    EXPECT_EQ(long_life->grid_rows, 160);
    EXPECT_EQ(long_life->cell(1, 160).text(), "1958");
    EXPECT_FALSE(long_life->fits());

    ChartBuilder crowded(1970, 2000);
    for (int i = 0; i < 150; ++i)
        crowded.add(Holiday, 1990, 0, "h" + std::to_string(i));
    crowded.add(Holiday, 2500, 0, "far future").add(Holiday, -2000000000, 2000000000, "everything");
    auto grid = build(*crowded.chart, *cat);
    EXPECT_EQ(grid->grid_cols, 100);
    EXPECT_FALSE(grid->fits());
    EXPECT_EQ(grid->cell(100, 22).text(), "h97");

    auto ok = build(*ChartBuilder(1970, 2128).chart, *cat); // 159 years fit
    EXPECT_TRUE(ok->fits());
    EXPECT_EQ(ok->grid_rows, 160);
}

TEST(ChartGrid, BuildingLeavesTheChartAsItWas)
{
    auto cat = testCatalogue();
    ChartBuilder b(1970, 2050);
    b.add(Kids, 1940, 2000, "Gran");
    const int before = b.chart->entry_count;
    auto grid = build(*b.chart, *cat);
    auto again = build(*b.chart, *cat);
    EXPECT_EQ(b.chart->entry_count, before);
    for (int c = 1; c <= grid->grid_cols; ++c)
        for (int r = 1; r <= grid->grid_rows; ++r)
            ASSERT_EQ(grid->cell(c, r).text(), again->cell(c, r).text());
}
