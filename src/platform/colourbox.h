#pragma once
// A drop-down list of the named X11 colours, each shown as a swatch and its name, holding one
// colour in the chart's format: red in the low byte, then green, then blue, high byte 0.
#include <QColor>
#include <QComboBox>
#include <QString>
#include <cstdint>
#include <vector>

namespace zentrel::platform {

std::int32_t toChartColour(const QColor& colour);
// The high byte is ignored.
QColor fromChartColour(std::int32_t colour);

struct NamedColour {
    const char* name;
    std::uint8_t red, green, blue;
};

// The named X11 colours in alphabetical order; no two share a value.
const std::vector<NamedColour>& x11Colours();

class ColourBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr); // starts at black

    // The selected colour; 0 (black) when nothing is selected.
    std::int32_t colour() const;
    // Selects the colour's item; a colour not in the list gets an item of its own, named
    // "#RRGGBB", the first time it is set.
    void setColour(std::int32_t colour);

signals:
    void colourChanged(std::int32_t colour);

private:
    int addColour(const QString& name, std::int32_t colour);
};

} // namespace zentrel::platform
