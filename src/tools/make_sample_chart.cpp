// Writes the sample chart shipped in the program folder's data/ folder. Run it again after
// changing the life below: zentrel-make-sample <program folder>
#include "chart/chartfolder.h"
#include "chart/error.h"
#include "chart/openchart.h"

#include <iostream>
#include <memory>

using namespace zentrel;

namespace {

// Catalogue rows of the shipped events.dat that the sample uses.
enum Type {
    LivedAt = 1, BoughtHome = 2, School = 5, College = 6, Graduation = 7, Course = 8,
    Relationship = 9, Engagement = 10, Wedding = 11, ChildLeftHome = 13, Loss = 14,
    FamilyCelebration = 16, FamilyPet = 17, WorkedAt = 18, Promotion = 19, OwnBusiness = 20,
    Voluntary = 23, Retirement = 24, Illness = 25, Operation = 26, Holiday = 29, Journey = 30,
    Club = 33, DrivingLicence = 34, Award = 35, ParentsBirth = 38, PartnerBirth = 39,
    ChildrenBirth = 40, GrandchildrenBirth = 41, Personal = 99,
};

struct Event {
    int type;
    int start, end;
    const char* text;
    std::int32_t fg, bg;
};

constexpr std::int32_t kInk = rgb(0, 0, 0);
constexpr std::int32_t kPaper = rgb(255, 255, 255);

const Event kLife[] = {
    {ParentsBirth, 1921, 1994, "Father Arthur", kInk, rgb(176, 196, 222)},
    {ParentsBirth, 1924, 2011, "Mother Edith", kInk, rgb(255, 228, 225)},
    {ParentsBirth, 1951, 0, "Brother Tom", kInk, rgb(240, 230, 140)},
    {LivedAt, 1948, 1966, "Mill Lane, Leeds", kInk, rgb(222, 184, 135)},
    {LivedAt, 1966, 1972, "Student flat, York", kInk, rgb(245, 222, 179)},
    {LivedAt, 1972, 1989, "Park Road, Harrogate", kInk, rgb(222, 184, 135)},
    {LivedAt, 1989, 0, "Rose Cottage, Ripon", kInk, rgb(245, 222, 179)},
    {BoughtHome, 1989, 0, "Rose Cottage", kPaper, rgb(139, 69, 19)},
    {School, 1953, 1959, "St Mary's Primary", kInk, rgb(152, 251, 152)},
    {School, 1959, 1966, "Leeds Girls' High", kInk, rgb(144, 238, 144)},
    {College, 1966, 1969, "York: English", kInk, rgb(175, 238, 238)},
    {Graduation, 1969, 0, "BA English", kPaper, rgb(0, 128, 128)},
    {Course, 1991, 1992, "Evening class: garden design", kInk, rgb(224, 255, 255)},
    {DrivingLicence, 1967, 0, "Passed first time", kInk, rgb(211, 211, 211)},
    {Relationship, 1968, 0, "David", kInk, rgb(255, 182, 193)},
    {PartnerBirth, 1946, 0, "David", kInk, rgb(255, 182, 193)},
    {Engagement, 1971, 0, "Engaged to David", kInk, rgb(255, 192, 203)},
    {Wedding, 1972, 0, "Married David in York", kPaper, rgb(199, 21, 133)},
    {ChildrenBirth, 1975, 0, "Sarah", kInk, rgb(255, 250, 205)},
    {ChildrenBirth, 1978, 0, "James", kInk, rgb(255, 250, 205)},
    {GrandchildrenBirth, 2006, 0, "Lily", kInk, rgb(255, 239, 213)},
    {ChildLeftHome, 1996, 0, "James to Glasgow", kInk, rgb(240, 248, 255)},
    {FamilyCelebration, 1997, 0, "Silver wedding", kInk, rgb(192, 192, 192)},
    {FamilyPet, 1980, 1994, "Bramble the spaniel", kInk, rgb(210, 180, 140)},
    {WorkedAt, 1969, 1975, "Teacher, Harrogate Grammar", kInk, rgb(173, 216, 230)},
    {WorkedAt, 1983, 1998, "Head of English, Ripon College", kInk, rgb(135, 206, 235)},
    {Promotion, 1990, 0, "Head of department", kInk, rgb(70, 130, 180)},
    {OwnBusiness, 1998, 2012, "Cottage garden nursery", kInk, rgb(154, 205, 50)},
    {Retirement, 2012, 0, "Retired", kInk, rgb(238, 232, 170)},
    {Voluntary, 2013, 0, "Hospice garden", kInk, rgb(189, 183, 107)},
    {Club, 1985, 0, "Ripon choir", kInk, rgb(221, 160, 221)},
    {Award, 2008, 0, "RHS silver medal", kPaper, rgb(128, 128, 0)},
    {Illness, 2001, 2002, "Pneumonia", kPaper, rgb(205, 92, 92)},
    {Operation, 2015, 0, "New hip", kInk, rgb(250, 128, 114)},
    {Holiday, 1974, 0, "Cornwall", kInk, rgb(135, 206, 250)},
    {Holiday, 1987, 0, "Tuscany", kInk, rgb(135, 206, 250)},
    {Journey, 2013, 2013, "New Zealand, three months", kInk, rgb(100, 149, 237)},
    {Personal, 1993, 0, "First show: Harrogate", kInk, rgb(255, 215, 0)},
    {Personal, 2004, 0, "Chelsea Flower Show", kInk, rgb(255, 215, 0)},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zentrel-make-sample PROGRAM_FOLDER\n";
        return 2;
    }
    const ChartFolder folder(argv[1]);
    auto chart = std::make_unique<OpenChart>();
    TChartEntry& header = chart->header();
    header.start_year = 1948;
    header.end_year = 2030;
    header.text = "Margaret Hill (sample)";
    header.personal_event = "Flower shows";
    chart->entry_count = 1;
    for (const Event& e : kLife) {
        TChartEntry entry;
        entry.type_index = e.type;
        entry.start_year = e.start;
        entry.end_year = e.end;
        entry.text = e.text;
        entry.text_color = e.fg;
        entry.bg_color = e.bg;
        chart->appendEvent(entry);
    }
    chart->chart_path = folder.pathOf(header.text);
    try {
        saveProject(*chart);
    } catch (const IoError& e) {
        std::cerr << "zentrel-make-sample: " << e.what() << "\n";
        return 1;
    }
    std::cout << chart->chart_path.string() << ": " << chart->entry_count - 1 << " events\n";
    return 0;
}
