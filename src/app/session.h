#pragma once
// Everything one run of the program holds: the open chart, the catalogue, the chart grid, the
// print settings and the values the main window hands to its dialogs. Nothing is kept
// between runs.
#include "chart/catalogue.h"
#include "chart/chartfolder.h"
#include "chart/openchart.h"
#include "render/chartgrid.h"

#include <QDate>
#include <QString>

#include <functional>

#include <filesystem>
#include <memory>
#include <string>

namespace zentrel {

struct PrintSettings {
    double left_margin = 0.0; // centimetres
    double top_margin = 0.0;
    double right_margin = 0.0;
    double bottom_margin = 0.0;
    std::int32_t years_per_page = 0;

    void setDefaults()
    {
        left_margin = 0.0;
        top_margin = 1.0;
        right_margin = 0.0;
        bottom_margin = 0.0;
        years_per_page = 15;
    }
};

struct Session {
    explicit Session(std::filesystem::path folder)
        : program_folder(std::move(folder)), charts(program_folder)
    {
    }

    // A file of the program folder.
    QString file(const QString& name) const
    {
        return QString::fromStdString((program_folder / name.toStdString()).string());
    }

    std::filesystem::path program_folder;
    ChartFolder charts;
    std::unique_ptr<OpenChart> chart = std::make_unique<OpenChart>();
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    std::unique_ptr<ChartGrid> grid = std::make_unique<ChartGrid>();
    GridBuilder builder;
    PrintSettings print;

    int chart_mode = 0; // 0 = create a new chart, 1 = edit the open chart
    int event_mode = 0; // 1 = new event, 2 = edit entry edit_index
    std::string selected_category;
    std::int32_t last_text_color = 0;
    std::int32_t last_bg_color = 0;

    // Where the new-chart dialog takes its starting years from; tests set their own.
    std::function<int()> current_year = [] { return QDate::currentDate().year(); };
};

} // namespace zentrel
