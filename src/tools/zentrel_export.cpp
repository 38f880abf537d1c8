// zentrel-export: writes a chart's pages from the command line, byte for byte as the program
// writes them, for scripts and batch work.
#include "chart/catalogue.h"
#include "chart/error.h"
#include "chart/openchart.h"
#include "render/chartgrid.h"
#include "render/pages.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zentrel;

namespace {

constexpr const char* kUsage =
    "usage: zentrel-export [--catalogue FILE] [--years-per-page N] [--chart-page FILE] "
    "[--print-page FILE] [--xls FILE] CHART.ztl\n";

fs::path executableFolder(const char* argv0)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.parent_path();
    return fs::absolute(argv0).parent_path();
}

struct Options {
    fs::path catalogue;
    int years_per_page = kDefaultYearsPerPage;
    std::optional<fs::path> chart_page, print_page, xls;
    fs::path chart;
};

int usageError(const std::string& why)
{
    std::cerr << "zentrel-export: " << why << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options opt;
    opt.catalogue = executableFolder(argv[0]) / "events.dat";
    bool have_chart = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        const bool takes_value = arg == "--catalogue" || arg == "--years-per-page" || arg == "--chart-page" ||
                                 arg == "--print-page" || arg == "--xls";
        if (takes_value) {
            if (i + 1 >= argc)
                return usageError(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--catalogue") {
                opt.catalogue = value;
            } else if (arg == "--years-per-page") {
                std::size_t used = 0;
                int n = 0;
                try {
                    n = std::stoi(value, &used);
                } catch (const std::exception&) {
                    used = 0;
                }
                if (used != value.size() || n < kMinYearsPerPage || n > kMaxYearsPerPage)
                    return usageError("--years-per-page must be a whole number from 6 to 25");
                opt.years_per_page = n;
            } else if (arg == "--chart-page") {
                opt.chart_page = value;
            } else if (arg == "--print-page") {
                opt.print_page = value;
            } else {
                opt.xls = value;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option " + arg);
        } else if (have_chart) {
            return usageError("only one chart file can be given");
        } else {
            opt.chart = arg;
            have_chart = true;
        }
    }
    if (!have_chart)
        return usageError("no chart file given");

    try {
        auto catalogue = std::make_unique<Catalogue>();
        const CatalogueLoad load = loadCatalogue(*catalogue, opt.catalogue);
        if (load.lines_dropped > 0)
            std::cerr << "zentrel-export: warning: " << opt.catalogue.string() << " has " << load.lines_dropped
                      << " lines past the 100th; they are ignored\n";

        // The chart may lie anywhere: read it through a folder view of its own directory.
        const fs::path chart_file = fs::absolute(opt.chart);
        std::string name = chart_file.filename().string();
        if (chart_file.extension() != ".ztl") {
            std::cerr << "zentrel-export: the chart file must end in .ztl\n";
            return 2;
        }
        name.resize(name.size() - 4);
        auto chart = std::make_unique<OpenChart>();
        loadProject(*chart, ChartFolder::forFolder(chart_file.parent_path()), name);

        auto grid = std::make_unique<ChartGrid>();
        GridBuilder builder;
        if (opt.chart_page || opt.xls) {
            builder.build(*grid, *chart, *catalogue);
            std::string page;
            writeChartPage(*grid, page);
            if (opt.chart_page)
                writePageFile(*opt.chart_page, page);
            if (opt.xls)
                writePageFile(*opt.xls, page);
        }
        if (opt.print_page) {
            builder.build(*grid, *chart, *catalogue);
            std::string page;
            writePrintPage(*grid, opt.years_per_page, chartTitle(chart->chart_path), page);
            writePageFile(*opt.print_page, page);
        }
        if (!grid->fits() && (opt.chart_page || opt.xls || opt.print_page))
            std::cerr << "zentrel-export: warning: the chart is larger than the grid and was cut\n";
    } catch (const IoError& e) {
        std::cerr << "zentrel-export: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
