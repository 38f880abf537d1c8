#pragma once
// The texts the event dialogs list for categories and events.
#include "chart/catalogue.h"
#include "chart/chartentry.h"

#include <string>
#include <vector>

namespace zentrel {

// The catalogue's distinct categories in order of first appearance (exact, case-sensitive
// comparison), then the chart's personal event, always last (even when empty or a duplicate).
std::vector<std::string> categoryChoices(const Catalogue& catalogue, const std::string& personal_event);

// The category an event belongs to: its catalogue row's, or the personal event for type 99.
std::string eventCategory(const Catalogue& catalogue, const std::string& personal_event, int type_index);

// "(1990-1995) Lived in town", or "(2001) Visit" without an end year.
std::string existingEventText(const TChartEntry& e);

// "Home)1990-1995 Lived in town", or "Home)2001 Visit" without an end year.
std::string eventListText(const std::string& category, const TChartEntry& e);

} // namespace zentrel
