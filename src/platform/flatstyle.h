#pragma once
// The program's one flat look: ochre buttons with taupe borders, white edits that tint when
// focused. Every window applies it to itself, so pop-ups and message boxes it owns inherit it.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace zentrel::platform::flat {

inline constexpr QRgb buttonFace = qRgb(238, 199, 97);   // also when focused
inline constexpr QRgb buttonPressed = qRgb(237, 197, 90);
inline constexpr QRgb buttonBorder = qRgb(139, 131, 107);
inline constexpr QRgb buttonHighlight = qRgb(151, 143, 121);
inline constexpr QRgb buttonShadow = qRgb(114, 107, 88);

inline constexpr QRgb editBorder = qRgb(139, 131, 107);
inline constexpr QRgb editFace = qRgb(255, 255, 255);
inline constexpr QRgb editFocusedFace = qRgb(237, 236, 233);

inline constexpr QRgb titleColour = qRgb(112, 105, 86);

} // namespace zentrel::platform::flat

namespace zentrel::platform {

// Style sheet for buttons, edits, spin boxes, combo boxes, check boxes, group boxes, lists and menus.
// A group box with the dynamic property white=true gets a white face.
QString flatStyleSheet();

// Sets the style sheet and the default dialog font on a window; its children inherit both.
void applyFlatStyle(QWidget* top);

// MS Sans Serif 8 pt (11 px), resolved to a sans face where that font is missing.
QFont defaultDialogFont();

// The dialog title: the default face, bold, 13 px.
QFont titleFont();

} // namespace zentrel::platform
