#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

using namespace zentrel::test;
namespace fs = std::filesystem;

namespace {

const std::string kExe = ZENTREL_BIN_DIR "/zentrel-export";
const std::string kSource = ZENTREL_SOURCE_DIR;
const std::string kSample = kSource + "/assets/data/Margaret Hill (sample).ztl";

std::string quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Result {
    int status;
    std::string out, err;
};

Result run(const TempDir& dir, const std::string& args)
{
    const std::string cmd = quote(kExe) + " " + args + " >" + quote((dir / "out").string()) + " 2>" +
                            quote((dir / "err").string());
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
}

} // namespace

TEST(ZentrelExport, WritesTheSampleChartsPagesAndCopy)
{
    TempDir dir;
    const Result r = run(dir, "--catalogue " + quote(kSource + "/assets/events.dat") + " --chart-page " +
                               quote((dir / "test.html").string()) + " --print-page " +
                               quote((dir / "test2.html").string()) + " --xls " + quote((dir / "c.xls").string()) +
                               " " + quote(kSample));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readFile(dir / "test.html"), readFile(kSource + "/tests/tools/golden/sample_chart.html"));
    EXPECT_EQ(readFile(dir / "test2.html"), readFile(kSource + "/tests/tools/golden/sample_print15.html"));
    EXPECT_EQ(readFile(dir / "c.xls"), readFile(dir / "test.html"));

    // The default catalogue is the one beside the executable.
    const Result r25 = run(dir, "--years-per-page 25 --print-page " + quote((dir / "p25.html").string()) + " " +
                                 quote(kSample));
    ASSERT_EQ(r25.status, 0) << r25.err;
    EXPECT_EQ(readFile(dir / "p25.html"), readFile(kSource + "/tests/tools/golden/sample_print25.html"));
}

TEST(ZentrelExport, ReportsErrorsWithTheRuntimeText)
{
    TempDir dir;
    fs::create_directory(dir / "charts");
    writeFile(dir / "charts" / "Empty.ztl", "");
    const struct {
        std::string args;
        int status;
        std::string err;
    } cases[] = {
        {quote((dir / "charts" / "Missing.ztl").string()), 1, "File not found"},
        {quote((dir / "charts" / "Empty.ztl").string()), 1, "Read beyond end of file"},
        {"--catalogue " + quote((dir / "none.dat").string()) + " " + quote(kSample), 1, "File not found"},
        {"", 2, "usage: zentrel-export"},
        {"--years-per-page 5 " + quote(kSample), 2, "6 to 25"},
        {"--years-per-page 26 " + quote(kSample), 2, "6 to 25"},
        {"--years-per-page 1x " + quote(kSample), 2, "6 to 25"},
        {"--frobnicate " + quote(kSample), 2, "unknown option"},
        {"--chart-page", 2, "needs a value"},
        {"a.ztl b.ztl", 2, "only one chart"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Result r = run(dir, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    const Result help = run(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: zentrel-export", 0), 0u);
}

TEST(ZentrelExport, LongCatalogueWarnsAndGoesOn)
{
    TempDir dir;
    std::string text;
    for (int i = 1; i <= 150; ++i)
        text += "t" + std::to_string(i) + "\td\ts\t\tC" + std::to_string(i % 7) + "\n";
    writeFile(dir / "big.dat", text);
    const Result r = run(dir, "--catalogue " + quote((dir / "big.dat").string()) + " --chart-page " +
                               quote((dir / "p.html").string()) + " " + quote(kSample));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("50 lines past the 100th"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir / "p.html"));
}
