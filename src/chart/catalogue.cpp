#include "chart/catalogue.h"

#include "chart/chartentry.h"
#include "chart/fileio.h"

namespace zentrel {

const TEventType& Catalogue::row(int k) const
{
    static const TEventType kNone;
    return isRow(k) ? rows[static_cast<std::size_t>(k)] : kNone;
}

void Catalogue::setPersonalEvent(const std::string& personal_event)
{
    rows[kPersonalType].name = personal_event;
    rows[kPersonalType].category = personal_event;
}

CatalogueLoad parseCatalogue(Catalogue& catalogue, std::string_view text)
{
    catalogue.type_count = 0;
    for (auto& r : catalogue.rows)
        r = TEventType{};
    CatalogueLoad result;
    std::size_t pos = 0;
    std::string line;
    do {
        // A line ends at LF; a CR anywhere else is dropped from the text.
        line.clear();
        while (pos < text.size() && text[pos] != '\n') {
            if (text[pos] != '\r')
                line += text[pos];
            ++pos;
        }
        if (pos < text.size())
            ++pos;
        if (catalogue.type_count == kCatalogueRows) {
            ++result.lines_dropped;
            continue;
        }
        TEventType& row = catalogue.rows[static_cast<std::size_t>(++catalogue.type_count)];
        std::string_view rest = line;
        for (std::string* field : {&row.name, &row.description, &row.start_label, &row.end_label}) {
            const std::size_t tab = rest.find('\t');
            if (tab == std::string_view::npos) {
                *field = "";
            } else {
                *field = storedText(rest.substr(0, tab));
                rest.remove_prefix(tab + 1);
            }
        }
        row.category = storedText(rest);
    } while (pos < text.size());
    return result;
}

CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& file)
{
    catalogue.type_count = 0;
    return parseCatalogue(catalogue, readWholeFile(file));
}

} // namespace zentrel
