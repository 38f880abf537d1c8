#include "render/pages.h"

namespace zentrel {

std::string htmlColour(std::int32_t colour)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string s(6, '0');
    const auto u = static_cast<std::uint32_t>(colour);
    for (int i = 0; i < 3; ++i) {
        const unsigned byte = (u >> (8 * i)) & 0xFF;
        s[2 * i] = kHex[byte >> 4];
        s[2 * i + 1] = kHex[byte & 0xF];
    }
    return s;
}

void writeChartPage(ChartGrid& grid, std::string& out)
{
    const int R = grid.grid_rows;
    const int C = grid.grid_cols;
    out.reserve(out.size() + static_cast<std::size_t>(R) * static_cast<std::size_t>(C) * 40);
    out += "<HTML><BODY><TABLE BORDER=1 BORDERCOLOR=WHITE cellspacing=0 cellpadding=0 width=";
    out += std::to_string(R * 50);
    out += "\">\r\n";
    for (int c = 1; c <= C; ++c) {
        out += "<TR>\r\n";
        for (int r = 1; r <= R; ++r) {
            TChartCell& cell = grid.cell(c, r);
            if (cell.empty()) {
                out += "<TD></TD>";
                continue;
            }
            if (cell.text()[0] == '*') {
                out += "<TD COLSPAN=";
                out += std::to_string(R);
                out += " height=1 bgcolor=black></TD><TR>\r\n";
                cell.dropGroupMark();
            }
            const std::string bg = htmlColour(cell.bg_color);
            int covered = 0;
            if (c <= 2) {
                out += "<TD BGCOLOR=#";
                out += bg;
                out += " style=\"border-width:1; width:50px; border-color:black\" >";
                if (r > 1)
                    out += "<CENTER>";
            } else if (r == 1) {
                out += "<TD ALIGN=RIGHT BGCOLOR=#";
                out += bg;
                out += "><NOBR>";
            } else if (grid.isContinuation(c, r + 1)) {
                while (r + covered + 1 <= R && grid.isContinuation(c, r + covered + 1))
                    ++covered;
                out += "<TD BGCOLOR=#";
                out += bg;
                out += " style=\"width:";
                out += std::to_string((covered + 1) * 50);
                out += "px;\" colspan=";
                out += std::to_string(covered + 1);
                out += "><NOBR>";
            } else {
                out += "<TD BGCOLOR=#";
                out += bg;
                out += " style=\"width:100px;\" ><NOBR>";
            }
            out += "<FONT STYLE=\"FONT-SIZE: 8pt; COLOR: #000000; FONT-FAMILY: Verdana\">";
            if (r == 1 || c <= 2)
                out += "<B>";
            out += "<FONT COLOR=#";
            out += htmlColour(cell.text_color);
            out += ">&nbsp;";
            out += cell.text();
            if (r == 1)
                out += "</B>";
            out += "</TD>";
            r += covered;
        }
    }
}

} // namespace zentrel
