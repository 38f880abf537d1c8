#pragma once
// A small catalogue and chart builder for the grid and page tests.
#include "chart/catalogue.h"
#include "chart/openchart.h"
#include "render/chartgrid.h"

#include <memory>
#include <string>

namespace zentrel::test {

// Rows 1..16 of a catalogue made for these tests.
enum TestType {
    HomeTown = 1, Holiday = 2, School = 3, Chores = 4, Office = 5, Gig = 6, Loss = 14, Family = 15, Kids = 16,
};

inline std::unique_ptr<Catalogue> testCatalogue(bool with_family_row = true)
{
    std::string text = "Home town\td\tIn\tOut\tHome\n"
                       "Holiday\td\tYear\t\tHome\n"
                       "School\td\tIn\tOut\tEducation\n"
                       "Chores\td\tIn\tOut\tHomework\n"
                       "Office\td\tIn\tOut\tWork\n"
                       "Gig\td\tIn\tOut\twork\n";
    for (int k = 7; k <= 13; ++k)
        text += "T" + std::to_string(k) + "\td\tYear\t\tMisc\n";
    text += "Loss\td\tYear\t\tFamily\n";
    text += with_family_row ? "Parents / Sisters / Brothers birth year\td\tBorn\tDied\tBirthdays\n"
                            : "Cousins birth year\td\tBorn\tDied\tBirthdays\n";
    text += "Kids birth year\td\tBorn\tDied\tBirthdays\n";
    auto cat = std::make_unique<Catalogue>();
    parseCatalogue(*cat, text);
    return cat;
}

struct ChartBuilder {
    std::unique_ptr<OpenChart> chart = std::make_unique<OpenChart>();

    ChartBuilder(int born, int last, const std::string& personal = "")
    {
        chart->header().start_year = born;
        chart->header().end_year = last;
        chart->header().text = "Anne";
        chart->header().personal_event = personal;
        chart->entry_count = 1;
    }
    ChartBuilder& add(int type, int start, int end, const std::string& text, std::int32_t fg = rgb(255, 0, 0),
                      std::int32_t bg = rgb(0, 0, 255))
    {
        TChartEntry e;
        e.type_index = type;
        e.start_year = start;
        e.end_year = end;
        e.text = text;
        e.text_color = fg;
        e.bg_color = bg;
        chart->appendEvent(e);
        return *this;
    }
};

inline std::unique_ptr<ChartGrid> build(const OpenChart& chart, Catalogue& cat)
{
    auto grid = std::make_unique<ChartGrid>();
    GridBuilder().build(*grid, chart, cat);
    return grid;
}

} // namespace zentrel::test
