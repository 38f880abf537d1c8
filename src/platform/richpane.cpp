#include "platform/richpane.h"

#include "platform/rtfreader.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace zentrel::platform {

RichTextPane::RichTextPane(QWidget* parent) : QTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A widget's own sheet wins over an application-wide one, so the pane keeps its look.
    setStyleSheet(QStringLiteral(
        "QTextEdit { border: 1px solid rgb(139,131,107); background-color: white; }"));
}

void RichTextPane::loadFile(const QString& path)
{
    // Reads the whole file before touching the document, so a failure leaves it as it was.
    loadRtfFile(path, *document());
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

} // namespace zentrel::platform
