#include "chart/eventlabels.h"

#include <algorithm>

namespace zentrel {

std::vector<std::string> categoryChoices(const Catalogue& catalogue, const std::string& personal_event)
{
    std::vector<std::string> out;
    for (int k = 1; k <= catalogue.type_count; ++k) {
        const std::string& c = catalogue.row(k).category;
        if (std::find(out.begin(), out.end(), c) == out.end())
            out.push_back(c);
    }
    out.push_back(personal_event);
    return out;
}

std::string eventCategory(const Catalogue& catalogue, const std::string& personal_event, int type_index)
{
    return type_index == kPersonalType ? personal_event : catalogue.row(type_index).category;
}

std::string existingEventText(const TChartEntry& e)
{
    std::string years = std::to_string(e.start_year);
    if (e.end_year > 0)
        years += "-" + std::to_string(e.end_year);
    return "(" + years + ") " + e.text;
}

std::string eventListText(const std::string& category, const TChartEntry& e)
{
    std::string years = std::to_string(e.start_year);
    if (e.end_year != 0)
        years += "-" + std::to_string(e.end_year);
    return category + ")" + years + " " + e.text;
}

} // namespace zentrel
