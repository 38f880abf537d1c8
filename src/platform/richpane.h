#pragma once
// The rich-text pane of the help and tutorial windows: a QTextEdit fed by our RTF reader,
// in the flat look (1 px khaki border, white page), wrapping words with a vertical bar always shown.
#include <QTextEdit>

namespace zentrel::platform {

class RichTextPane : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextPane(QWidget* parent = nullptr);

    // Replaces the contents with the RTF file (plain text when it is no RTF) and shows its top.
    // Throws zentrel::IoError when the file cannot be read; the old contents then stay.
    // Editable or not is the caller's choice (setReadOnly): help panes are read-only.
    void loadFile(const QString& path);
};

} // namespace zentrel::platform
