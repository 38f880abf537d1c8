#include "platform/flatstyle.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QWidget>

#include <utility>

namespace zentrel::platform {

namespace {

QString css(QRgb c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

QImage arrow(bool up, QRgb colour)
{
    QImage image(7, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int y = up ? row : 3 - row; // widest row at the base
        for (int x = 3 - row; x <= 3 + row; ++x)
            image.setPixel(x, y, colour);
    }
    return image;
}

QImage checkMark(QRgb colour)
{
    QImage image(9, 9, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(colour), 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPainterPath path;
    path.moveTo(1.2, 4.5);
    path.lineTo(3.5, 6.8);
    path.lineTo(7.8, 1.8);
    painter.drawPath(path);
    return image;
}

// Style sheets take their pictures from files only: the arrows and check marks are drawn once
// into a folder that lives as long as the program. Empty when no folder can be made.
QString pictureFolder()
{
    static const QString folder = [] {
        static QTemporaryDir dir;
        if (!dir.isValid())
            return QString();
        const std::pair<const char*, QImage> pictures[] = {
            {"up.png", arrow(true, flat::buttonShadow)},
            {"up_off.png", arrow(true, flat::buttonHighlight)},
            {"down.png", arrow(false, flat::buttonShadow)},
            {"down_off.png", arrow(false, flat::buttonHighlight)},
            {"check.png", checkMark(qRgb(0, 0, 0))},
            {"check_off.png", checkMark(flat::buttonHighlight)},
        };
        for (const auto& [name, image] : pictures) {
            if (!image.save(dir.filePath(QLatin1String(name))))
                return QString();
        }
        return dir.path();
    }();
    return folder;
}

} // namespace

QString flatStyleSheet()
{
    using namespace flat;
    // Placeholders keep the sheet readable; they are replaced by the named colours below.
    QString sheet = QStringLiteral(R"(
QPushButton {
    background-color: @face; color: black;
    border: 1px solid @border; border-radius: 0px;
    padding: 2px 3px; min-height: 16px;
}
QPushButton:hover { border-color: @shadow; }
QPushButton:focus { background-color: @face; border-color: @shadow; }
QPushButton:pressed {
    background-color: @pressed;
    border-top-color: @shadow; border-left-color: @shadow;
    border-bottom-color: @highlight; border-right-color: @highlight;
}
QPushButton:disabled { color: @highlight; border-color: @highlight; }

QLineEdit, QSpinBox, QDoubleSpinBox, QComboBox {
    background-color: @editface; color: black;
    border: 1px solid @editborder; border-radius: 0px;
    padding: 1px 2px;
    selection-background-color: @face; selection-color: black;
}
QLineEdit:focus, QSpinBox:focus, QDoubleSpinBox:focus, QComboBox:focus {
    background-color: @editfocused;
}
QLineEdit:disabled, QSpinBox:disabled, QDoubleSpinBox:disabled, QComboBox:disabled {
    color: @highlight;
}
QSpinBox::up-button, QDoubleSpinBox::up-button {
    subcontrol-origin: border; subcontrol-position: top right; width: 14px;
    background-color: @face; border-left: 1px solid @editborder;
    border-bottom: 1px solid @highlight;
}
QSpinBox::down-button, QDoubleSpinBox::down-button {
    subcontrol-origin: border; subcontrol-position: bottom right; width: 14px;
    background-color: @face; border-left: 1px solid @editborder;
}
QSpinBox::up-button:pressed, QDoubleSpinBox::up-button:pressed,
QSpinBox::down-button:pressed, QDoubleSpinBox::down-button:pressed {
    background-color: @pressed;
}
QSpinBox::up-arrow, QDoubleSpinBox::up-arrow { image: url("@pictures/up.png"); width: 7px; height: 4px; }
QSpinBox::up-arrow:off, QDoubleSpinBox::up-arrow:off,
QSpinBox::up-arrow:disabled, QDoubleSpinBox::up-arrow:disabled { image: url("@pictures/up_off.png"); }
QSpinBox::down-arrow, QDoubleSpinBox::down-arrow { image: url("@pictures/down.png"); width: 7px; height: 4px; }
QSpinBox::down-arrow:off, QDoubleSpinBox::down-arrow:off,
QSpinBox::down-arrow:disabled, QDoubleSpinBox::down-arrow:disabled { image: url("@pictures/down_off.png"); }
QComboBox { padding-right: 18px; combobox-popup: 0; } /* a list of maxVisibleItems rows */
QComboBox::drop-down {
    subcontrol-origin: border; subcontrol-position: top right; width: 15px;
    background-color: @face; border-left: 1px solid @editborder;
}
QComboBox::drop-down:pressed, QComboBox::drop-down:on { background-color: @pressed; }
QComboBox::down-arrow { image: url("@pictures/down.png"); width: 7px; height: 4px; }
QComboBox::down-arrow:disabled { image: url("@pictures/down_off.png"); }
QComboBox QAbstractItemView {
    background-color: @editface; border: 1px solid @editborder;
    selection-background-color: @face; selection-color: black;
}

QCheckBox { spacing: 5px; background: transparent; }
QCheckBox::indicator {
    width: 11px; height: 11px; border: 1px solid @editborder; background-color: @editface;
}
QCheckBox::indicator:hover, QCheckBox::indicator:focus { border-color: @shadow; }
QCheckBox::indicator:pressed { background-color: @editfocused; }
QCheckBox::indicator:checked { image: url("@pictures/check.png"); }
QCheckBox::indicator:checked:disabled { image: url("@pictures/check_off.png"); }
QCheckBox:disabled { color: @highlight; }

QGroupBox {
    border: 1px solid @border; margin-top: 7px; padding-top: 4px;
}
QGroupBox[white="true"] { background-color: @editface; }
QGroupBox::title {
    subcontrol-origin: margin; subcontrol-position: top left;
    left: 8px; padding: 0px 3px; color: @title;
}

QListWidget, QListView {
    background-color: @editface; border: 1px solid @editborder;
    selection-background-color: @face; selection-color: black;
}

QMenu {
    background-color: @editface; border: 1px solid @border; padding: 2px;
}
QMenu::item { padding: 3px 20px 3px 24px; color: black; }
QMenu::item:selected { background-color: @face; }
QMenu::item:disabled { color: @highlight; }
QMenu::separator { height: 1px; background: @highlight; margin: 3px 4px; }
QMenu::icon { padding-left: 4px; }
)");
    const std::pair<const char*, QRgb> colours[] = {
        {"@face", buttonFace},         {"@pressed", buttonPressed},
        {"@border", buttonBorder},     {"@highlight", buttonHighlight},
        {"@shadow", buttonShadow},     {"@editborder", editBorder},
        {"@editfocused", editFocusedFace}, {"@editface", editFace},
        {"@title", titleColour},
    };
    sheet.replace(QLatin1String("@pictures"), pictureFolder());
    // No name is a substring of another, so the order of replacement does not matter.
    for (const auto& [name, colour] : colours)
        sheet.replace(QLatin1String(name), css(colour));
    return sheet;
}

QFont defaultDialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont titleFont()
{
    QFont font = defaultDialogFont();
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

void applyFlatStyle(QWidget* top)
{
    top->setFont(defaultDialogFont());
    top->setStyleSheet(flatStyleSheet());
}

} // namespace zentrel::platform
