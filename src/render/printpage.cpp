#include "render/pages.h"

#include <stdexcept>

namespace zentrel {
namespace {

bool isBlank(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// Writes cell (c, r) of a page ending at `last`; returns how many following rows it covers.
int writePrintCell(const ChartGrid& grid, int c, int r, int last, int width, int rule_span, std::string& out)
{
    const TChartCell& cell = grid.cell(c, r);
    if (cell.empty()) {
        out += "<TD><FONT STYLE=\"FONT-SIZE: 7pt; COLOR: #FFFFFF; FONT-FAMILY: Arial\">A</TD>";
        return 0;
    }
    std::string_view text = cell.text();
    if (text[0] == '*') {
        out += "<TD COLSPAN=";
        out += std::to_string(rule_span);
        out += " height=1 bgcolor=black></TD><TR>\r\n";
        text.remove_prefix(1);
    }
    const std::string bg = htmlColour(cell.bg_color);
    int covered = 0;
    if (c <= 2) {
        out += "<TD BGCOLOR=#";
        out += bg;
        out += " style=\"border-width:1; width:";
        out += std::to_string(width);
        out += "%; border-color:black\" >";
        if (r > 1)
            out += "<CENTER>";
    } else if (r == 1) {
        out += "<TD ALIGN=RIGHT BGCOLOR=#";
        out += bg;
        out += "><NOBR>";
    } else if (grid.isContinuation(c, r + 1) || (cell.text() == kContinuation && r < last)) {
        while (r + covered + 1 <= last && grid.isContinuation(c, r + covered + 1))
            ++covered;
        out += "<TD BGCOLOR=#";
        out += bg;
        out += " width=";
        out += std::to_string(width * (covered + 1));
        out += "% colspan=";
        out += std::to_string(covered + 1);
        out += "><NOBR>";
    } else {
        out += "<TD BGCOLOR=#";
        out += bg;
        out += " width=";
        out += std::to_string(width);
        out += "% ><NOBR>";
    }
    out += "<FONT STYLE=\"FONT-SIZE: 7pt; COLOR: #000000; FONT-FAMILY: Arial\">";
    if (r == 1 || c <= 2)
        out += "<B>";
    if (!text.empty() && text != kContinuation) {
        out += "<FONT COLOR=#";
        out += htmlColour(cell.text_color);
        out += ">";
    }
    out += "&nbsp;";
    if (isBlank(text)) {
        out += "<font color=";
        out += bg;
        out += ">";
    } else if (trimmed(text) == kContinuation) {
        out += "<b>&nbsp;&lt; &lt;</b>";
    } else {
        out += text;
    }
    if (r == 1)
        out += "</B>";
    out += "</TD>";
    return covered;
}

} // namespace

void writePrintPage(const ChartGrid& grid, int years_per_page, std::string_view title, std::string& out)
{
    if (years_per_page < kMinYearsPerPage || years_per_page > kMaxYearsPerPage)
        throw std::invalid_argument("years per page must be 6 to 25");
    const int Y = years_per_page;
    const int R = grid.grid_rows;
    const int C = grid.grid_cols;
    const int W = 100 / Y;
    const int pages = R / Y + (R % Y != 0 ? 1 : 0);
    const std::string safe_title = escapeHtml(title);

    out += "<HTML><BODY TOPMARGIN=0>\r\n";
    for (int p = 1; p <= pages; ++p) {
        const int first = (p - 1) * Y;
        const int last = std::min(p * Y, R);
        const int rule_span = p == 1 ? Y : Y + 1;
        out += "<center><FONT STYLE=\"FONT-SIZE: 8pt; COLOR: #000000; FONT-FAMILY: Arial\"><B>";
        out += safe_title;
        out += "</b></center><TABLE BORDER=1 BORDERCOLOR=WHITE cellspacing=0 cellpadding=0 width=\"100%\">";
        for (int c = 1; c <= C; ++c) {
            out += "<TR>\r\n";
            int r = 1;
            if (p > 1) {
                writePrintCell(grid, c, 1, last, W, rule_span, out);
                r = first + 1;
            }
            for (; r <= last; ++r)
                r += writePrintCell(grid, c, r, last, W, rule_span, out);
        }
        out += "</TABLE>";
        if (p < pages)
            out += "<div style=\"page-break-after: always\"></div>\r\n";
    }
}

} // namespace zentrel
