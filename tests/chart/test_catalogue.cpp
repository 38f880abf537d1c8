#include "chart/catalogue.h"
#include "chart/error.h"
#include "chart/eventlabels.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zentrel;

namespace {

struct Row {
    std::string name, description, start_label, end_label, category;
};

void expectRow(const Catalogue& c, int k, const Row& r)
{
    const TEventType& t = c.row(k);
    EXPECT_EQ(t.name, r.name) << "row " << k;
    EXPECT_EQ(t.description, r.description) << "row " << k;
    EXPECT_EQ(t.start_label, r.start_label) << "row " << k;
    EXPECT_EQ(t.end_label, r.end_label) << "row " << k;
    EXPECT_EQ(t.category, r.category) << "row " << k;
}

} // namespace

TEST(Catalogue, SplitsLinesAndFields)
{
    const struct {
        const char* name;
        std::string text;
        int rows;
        std::vector<std::pair<int, Row>> expect;
    } cases[] = {
        {"five fields", "Moved\tA move\tMoved in\tMoved out\tHome\n", 1,
         {{1, {"Moved", "A move", "Moved in", "Moved out", "Home"}}}},
        {"no final break", "a\tb\tc\td\te", 1, {{1, {"a", "b", "c", "d", "e"}}}},
        {"empty file", "", 1, {{1, {}}}},
        {"empty last line", "a\tb\tc\td\te\n\n", 2, {{2, {}}}},
        {"blank line shifts", "x\t\t\t\tA\n\ny\t\t\t\tB\n", 3, {{2, {}}, {3, {"y", "", "", "", "B"}}}},
        {"CR LF", "a\tb\tc\t\tW\r\nd\te\tf\tg\tH\r\n", 2,
         {{1, {"a", "b", "c", "", "W"}}, {2, {"d", "e", "f", "g", "H"}}}},
        {"CR only is dropped", "a\tb\tc\td\tW\rx\ty\n", 1, {{1, {"a", "b", "c", "d", "Wx\ty"}}}},
        {"six parts", "a\tb\tc\td\te\tf\n", 1, {{1, {"a", "b", "c", "d", "e\tf"}}}},
        {"no tab", "Lonely\n", 1, {{1, {"", "", "", "", "Lonely"}}}},
        {"one tab", "a\tb\n", 1, {{1, {"a", "", "", "", "b"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto cat = std::make_unique<Catalogue>();
        EXPECT_EQ(parseCatalogue(*cat, c.text).lines_dropped, 0);
        EXPECT_EQ(cat->type_count, c.rows);
        for (const auto& [k, row] : c.expect)
            expectRow(*cat, k, row);
    }
}

TEST(Catalogue, FieldsAreCutTo255)
{
    auto cat = std::make_unique<Catalogue>();
    parseCatalogue(*cat, std::string(300, 'n') + "\td\ts\te\t" + std::string(400, 'c'));
    EXPECT_EQ(cat->row(1).name.size(), 255u);
    EXPECT_EQ(cat->row(1).category.size(), 255u);
}

TEST(Catalogue, StopsAt100RowsAndReportsTheRest)
{
    std::string text;
    for (int i = 1; i <= 150; ++i)
        text += "t" + std::to_string(i) + "\t\t\t\tC\n";
    auto cat = std::make_unique<Catalogue>();
    EXPECT_EQ(parseCatalogue(*cat, text).lines_dropped, 50);
    EXPECT_EQ(cat->type_count, 100);
    EXPECT_EQ(cat->row(100).name, "t100");
    EXPECT_EQ(cat->row(101).name, ""); // no such row
    EXPECT_EQ(cat->row(0).category, "");

    // Row 99 follows the chart's personal event once a chart sets it.
    cat->setPersonalEvent("Travel");
    EXPECT_EQ(cat->row(99).name, "Travel");
    EXPECT_EQ(cat->row(99).category, "Travel");
    EXPECT_EQ(cat->row(98).name, "t98");
}

TEST(Catalogue, MissingFileIsFileNotFoundWithNoRows)
{
    zentrel::test::TempDir dir;
    auto cat = std::make_unique<Catalogue>();
    cat->type_count = 7;
    try {
        loadCatalogue(*cat, dir / "events.dat");
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_EQ(cat->type_count, 0);
}

TEST(Catalogue, ShippedCatalogueHasTheRowsTheChartRelyOn)
{
    auto cat = std::make_unique<Catalogue>();
    loadCatalogue(*cat, ZENTREL_SOURCE_DIR "/assets/events.dat");
    ASSERT_GE(cat->type_count, 14);
    EXPECT_LT(cat->type_count, 99);
    bool family = false;
    for (int k = 1; k <= cat->type_count; ++k) {
        const TEventType& t = cat->row(k);
        EXPECT_FALSE(t.name.empty()) << k;
        EXPECT_FALSE(t.description.empty()) << k;
        EXPECT_FALSE(t.start_label.empty()) << k;
        EXPECT_FALSE(t.category.empty()) << k;
        if (t.name == kFamilyBirthsType)
            family = t.category == kBirthdaysCategory;
    }
    EXPECT_TRUE(family);
    EXPECT_NE(cat->row(kEndYearMarkerType).category, kBirthdaysCategory);
    EXPECT_TRUE(cat->row(kEndYearMarkerType).end_label.empty());
}

TEST(EventLabels, CategoryChoicesAndItemTexts)
{
    auto cat = std::make_unique<Catalogue>();
    parseCatalogue(*cat, "a\t\t\t\tA\nb\t\t\t\tB\nc\t\t\t\tA\nd\t\t\t\tC\ne\t\t\t\tc\n");
    EXPECT_EQ(categoryChoices(*cat, "P"), (std::vector<std::string>{"A", "B", "C", "c", "P"}));
    EXPECT_EQ(categoryChoices(*cat, "A"), (std::vector<std::string>{"A", "B", "C", "c", "A"}));
    EXPECT_EQ(categoryChoices(Catalogue{}, ""), (std::vector<std::string>{""}));
    EXPECT_EQ(eventCategory(*cat, "P", 99), "P");
    EXPECT_EQ(eventCategory(*cat, "P", 4), "C");
    EXPECT_EQ(eventCategory(*cat, "P", 60), "");

    TChartEntry span;
    span.start_year = 1990;
    span.end_year = 1995;
    span.text = "Lived in town";
    TChartEntry single;
    single.start_year = 2001;
    single.text = "Visit";
    EXPECT_EQ(existingEventText(span), "(1990-1995) Lived in town");
    EXPECT_EQ(existingEventText(single), "(2001) Visit");
    EXPECT_EQ(eventListText("Home", span), "Home)1990-1995 Lived in town");
    EXPECT_EQ(eventListText("Home", single), "Home)2001 Visit");
}
