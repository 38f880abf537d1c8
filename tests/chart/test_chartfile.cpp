#include "chart/chartentry.h"
#include "chart/chartfolder.h"
#include "chart/error.h"
#include "chart/openchart.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace zentrel;
using zentrel::test::readFile;
using zentrel::test::TempDir;
using zentrel::test::writeFile;
namespace fs = std::filesystem;

namespace {

// One record written out by hand at the documented offsets, reserved bytes non-zero.
std::string handMadeRecord()
{
    std::string r(kRecordSize, '\0');
    const auto put = [&](std::size_t at, std::initializer_list<int> bytes) {
        for (int b : bytes)
            r[at++] = static_cast<char>(b);
    };
    put(0, {0xAE, 0x07, 0x00, 0x00});                         // start_year 1966
    put(4, {1, 2, 3, 4, 5, 6, 7, 8});                         // reserved
    put(12, {0xEA, 0x07, 0x00, 0x00});                        // end_year 2026
    put(16, {0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7}); // reserved
    put(24, {4, 'A', 'n', 'n', 'e'});                         // text
    put(30, {'x', 'y'});                                      // leftovers after the length
    put(280, {6, 'T', 'r', 'a', 'v', 'e', 'l'});              // personal_event
    put(536, {3, 'o', 'l', 'd', 0x99});                       // reserved string
    put(792, {0x63, 0x00, 0x00, 0x00});                       // type_index 99
    put(796, {0xFF, 0x00, 0x80, 0x00});                       // text_color red 255, blue 128
    put(800, {0xFE, 0xFF, 0xFF, 0xFF});                       // bg_color -2 (sign kept)
    return r;
}

struct ChartFixture : ::testing::Test {
    TempDir dir;
    ChartFolder folder{dir.path()};
    std::unique_ptr<OpenChart> chart = std::make_unique<OpenChart>();

    void SetUp() override { fs::create_directory(dir / "data"); }
    fs::path file(const std::string& name) { return dir.path() / "data" / (name + ".ztl"); }

    TChartEntry event(int start, int end, const std::string& text)
    {
        TChartEntry e;
        e.start_year = start;
        e.end_year = end;
        e.text = text;
        e.type_index = 3;
        return e;
    }
};

} // namespace

TEST(ChartEntry, DecodesTheHandMadeRecordFieldByField)
{
    const std::string raw = handMadeRecord();
    const TChartEntry e = decodeEntry(reinterpret_cast<const std::uint8_t*>(raw.data()));
    EXPECT_EQ(e.start_year, 1966);
    EXPECT_EQ(e.end_year, 2026);
    EXPECT_EQ(e.text, "Anne");
    EXPECT_EQ(e.personal_event, "Travel");
    EXPECT_EQ(e.type_index, 99);
    EXPECT_EQ(e.text_color, rgb(255, 0, 128));
    EXPECT_EQ(e.bg_color, -2);
    EXPECT_EQ(e.reserved_after_start[7], 8);
    EXPECT_EQ(e.reserved_after_end[0], 0xF0);
    EXPECT_EQ(e.reserved_text[4], 0x99);
}

TEST(ChartEntry, EncodingKeepsReservedBytesAndZeroesTextTails)
{
    const std::string raw = handMadeRecord();
    const RecordImage image = encodeEntry(decodeEntry(reinterpret_cast<const std::uint8_t*>(raw.data())));
    std::string expected = raw;
    expected[30] = expected[31] = '\0'; // the bytes after a text's length are not carried
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data()), image.size()), expected);
}

TEST(ChartEntry, TextsAreCutTo255AndTheFullLengthByteRoundTrips)
{
    TChartEntry e;
    e.text = std::string(255, 'a');
    e.personal_event = std::string(300, 'b');
    const RecordImage image = encodeEntry(e);
    EXPECT_EQ(image[24], 255);
    EXPECT_EQ(image[280], 255);
    const TChartEntry back = decodeEntry(image.data());
    EXPECT_EQ(back.text, e.text);
    EXPECT_EQ(back.personal_event, std::string(255, 'b'));
}

TEST_F(ChartFixture, LoadsRecordCountsFromFileSize)
{
    const std::string rec = handMadeRecord();
    const struct {
        std::string bytes;
        int entries;
    } cases[] = {
        {rec, 1},
        {rec + rec + rec + std::string(100, 'z'), 3}, // the incomplete tail is ignored
        {rec + rec, 2},
    };
    for (const auto& c : cases) {
        writeFile(file("c"), c.bytes);
        bool opened = false;
        loadProject(*chart, folder, "c", [&] { opened = true; });
        EXPECT_TRUE(opened);
        EXPECT_EQ(chart->entry_count, c.entries);
        EXPECT_EQ(chart->header().text, "Anne");
        EXPECT_EQ(chart->chart_path, file("c"));
    }
}

TEST_F(ChartFixture, ShorterChartLeavesOldSlotsButSavesOnlyItsOwn)
{
    for (int i = 1; i <= 5; ++i)
        chart->entries[i] = event(1990 + i, 0, "e" + std::to_string(i));
    chart->entry_count = 5;
    chart->chart_path = file("long");
    saveProject(*chart);
    writeFile(file("short"), readFile(file("long")).substr(0, 2 * kRecordSize));
    loadProject(*chart, folder, "short");
    EXPECT_EQ(chart->entry_count, 2);
    EXPECT_EQ(chart->entries[4].text, "e4"); // left in memory
    saveProject(*chart);
    EXPECT_EQ(fs::file_size(file("short")), 2 * kRecordSize);
}

TEST_F(ChartFixture, SaveWritesExactlyTheEntriesAndReloadsThem)
{
    chart->entries[1] = decodeEntry(reinterpret_cast<const std::uint8_t*>(handMadeRecord().data()));
    chart->entry_count = 1;
    chart->appendEvent(event(1980, 1983, "School"));
    chart->appendEvent(event(1990, 0, "Moved"));
    chart->chart_path = file("Anne");
    writeFile(file("Anne"), std::string(10 * kRecordSize, 'x')); // longer old file
    saveProject(*chart);
    EXPECT_EQ(fs::file_size(file("Anne")), 3 * kRecordSize);
    auto again = std::make_unique<OpenChart>();
    loadProject(*again, folder, "Anne");
    ASSERT_EQ(again->entry_count, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(again->entries[i], chart->entries[i]) << i;
    // No temporary file is left beside the chart.
    int files = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator(dir / "data"))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(ChartFixture, FailedLoadsLeaveTheDocumentedState)
{
    chart->entries[1] = event(1950, 2000, "Old");
    chart->entries[2] = event(1960, 0, "old event");
    chart->entry_count = 2;
    chart->chart_path = file("Old");

    // A missing file: the path already names it, the chart is unchanged, no buttons enabled.
    bool opened = false;
    try {
        loadProject(*chart, folder, "Missing", [&] { opened = true; });
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(chart->chart_path, file("Missing"));
    EXPECT_EQ(chart->entry_count, 2);

    // Shorter than one record (empty included): the count covers the record that failed.
    for (const std::string& bytes : {std::string(), std::string(kRecordSize - 1, 'q')}) {
        writeFile(file("Short"), bytes);
        try {
            loadProject(*chart, folder, "Short", [&] { opened = true; });
            FAIL();
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), "Read beyond end of file");
        }
        EXPECT_TRUE(opened);
        EXPECT_EQ(chart->entry_count, 1);
        EXPECT_EQ(chart->header().text, "Old"); // the failed record was not copied in
        EXPECT_EQ(chart->chart_path, file("Short"));
    }
}

TEST_F(ChartFixture, MissingChartFolderReadsAsInvalidFilename)
{
    fs::remove(dir / "data");
    EXPECT_TRUE(folder.list().empty());
    try {
        loadProject(*chart, folder, "Any");
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
    }
    chart->entry_count = 1;
    chart->chart_path = file("Any");
    EXPECT_THROW(
        {
            try {
                saveProject(*chart);
            } catch (const IoError& e) {
                EXPECT_STREQ(e.what(), "Invalid filename");
                throw;
            }
        },
        IoError);
    EXPECT_THROW(folder.create("Any", TChartEntry{}), IoError);
}

TEST_F(ChartFixture, MoreThan800RecordsIsRefusedAndNothingChanges)
{
    chart->entries[1] = event(1950, 2000, "Old");
    chart->entry_count = 1;
    chart->chart_path = file("Old");
    writeFile(file("Big"), std::string(801 * kRecordSize, '\0'));
    bool opened = false;
    EXPECT_THROW(loadProject(*chart, folder, "Big", [&] { opened = true; }), IoError);
    EXPECT_FALSE(opened);
    EXPECT_EQ(chart->entry_count, 1);
    EXPECT_EQ(chart->chart_path, file("Old"));

    writeFile(file("Full"), std::string(800 * kRecordSize, '\0'));
    loadProject(*chart, folder, "Full");
    EXPECT_EQ(chart->entry_count, 800);
    EXPECT_TRUE(chart->isFull());
    EXPECT_THROW(chart->appendEvent(event(2000, 0, "one too many")), IoError);
    EXPECT_EQ(chart->entry_count, 800);
}

TEST_F(ChartFixture, AFailingWriteKeepsTheOldFileWhole)
{
    for (int i = 1; i <= 4; ++i)
        chart->entries[i] = event(1990 + i, 0, "v1");
    chart->entry_count = 4;
    chart->chart_path = file("Keep");
    saveProject(*chart);
    const std::string before = readFile(file("Keep"));

    chart->appendEvent(event(2001, 0, "v2"));
    EXPECT_THROW(saveProject(*chart,
                             [](int record) {
                                 if (record == 3)
                                     throw IoError("Disk full");
                             }),
                 IoError);
    EXPECT_EQ(readFile(file("Keep")), before);
    EXPECT_EQ(chart->entry_count, 5); // memory unchanged
    int files = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator(dir / "data"))
        ++files;
    EXPECT_EQ(files, 1); // the temporary file is gone
}

TEST_F(ChartFixture, UnwritableFolderIsReportedAndTheOldFileSurvives)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes through permissions";
    chart->entries[1] = event(1990, 2000, "x");
    chart->entry_count = 1;
    chart->chart_path = file("Locked");
    saveProject(*chart);
    ::chmod((dir / "data").c_str(), 0555);
    chart->appendEvent(event(1995, 0, "y"));
    try {
        saveProject(*chart);
        ADD_FAILURE();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    ::chmod((dir / "data").c_str(), 0755);
    EXPECT_EQ(fs::file_size(file("Locked")), kRecordSize);
}

TEST_F(ChartFixture, SavingWithNoPathIsRefused)
{
    chart->entry_count = 1;
    EXPECT_THROW(saveProject(*chart), IoError);
}

TEST_F(ChartFixture, DeletedOpenChartIsWrittenAgainOnTheNextSave)
{
    chart->entries[1] = event(1990, 2000, "x");
    chart->entry_count = 1;
    chart->chart_path = file("Gone");
    saveProject(*chart);
    EXPECT_TRUE(folder.remove("Gone"));
    chart->appendEvent(event(1995, 0, "y"));
    saveProject(*chart);
    EXPECT_EQ(fs::file_size(file("Gone")), 2 * kRecordSize);
}

TEST_F(ChartFixture, FolderListsChartsWithoutTheirLastExtension)
{
    writeFile(file("Anne.Marie"), handMadeRecord());
    writeFile(file("Bob"), handMadeRecord());
    writeFile(dir / "data" / "notes.txt", "x");
    writeFile(dir / "data" / ".hidden.ztl", handMadeRecord());
    fs::create_directory(dir / "data" / "folder.ztl");
    auto names = folder.list();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Anne.Marie", "Bob"}));
    EXPECT_TRUE(folder.exists("Bob"));
    EXPECT_FALSE(folder.exists("Carl"));
    EXPECT_TRUE(folder.rename("Bob", "Carl"));
    EXPECT_TRUE(folder.exists("Carl"));
    EXPECT_FALSE(folder.rename("Nobody", "Else")); // failures only answer false

    loadProject(*chart, folder, "Anne.Marie");
    EXPECT_EQ(chartTitle(chart->chart_path), "Zentrel for : Anne");
}

TEST_F(ChartFixture, NonAsciiNamesAreWindows1252InsideAndUtf8OnDisk)
{
    const std::string name = "Ren\xE9"; // "René" in Windows-1252
    TChartEntry header = event(1970, 2030, name);
    folder.create(name, header);
    EXPECT_TRUE(fs::exists(dir / "data" / "Ren\xC3\xA9.ztl"));
    EXPECT_EQ(folder.list(), std::vector<std::string>{name});
    loadProject(*chart, folder, name);
    EXPECT_EQ(chartTitle(chart->chart_path), "Zentrel for : " + name);
}

TEST(ChartName, PortableNames)
{
    for (const char* ok : {"Anne", "Anne.Marie", "Jean-Luc O'Neil", "A b", "Ren\xE9"})
        EXPECT_TRUE(isPortableChartName(ok)) << ok;
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b",
                            "trailing.", "trailing ", "tab\there"})
        EXPECT_FALSE(isPortableChartName(bad)) << bad;
}

TEST(ChartName, TitleStopsAtTheFirstFullStop)
{
    EXPECT_EQ(chartTitle("/x/data/Anne.Marie.ztl"), "Zentrel for : Anne");
    EXPECT_EQ(chartTitle("/x/data/Bob.ztl"), "Zentrel for : Bob");
    EXPECT_EQ(chartTitle("/x.y/data/Bob.ztl"), "Zentrel for : Bob");
}
