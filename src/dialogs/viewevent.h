#pragma once
// The events of the open chart, one category at a time, to edit or delete.
#include "platform/skinnedwindow.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace zentrel {

struct Session;
namespace platform {
class RichTextPane;
}

class Tview_event : public platform::SkinnedDialog {
    Q_OBJECT
public:
    Tview_event(Session& session, QWidget* parent);

    QComboBox* event_categories = nullptr;
    QListWidget* list_viewevent = nullptr;
    QPushButton* bt_ok = nullptr; // Close
    QPushButton* bt_cancel = nullptr; // Edit
    QPushButton* FlatButton1 = nullptr; // Delete
    platform::RichTextPane* cxRichEdit1 = nullptr;

public slots:
    void event_categoriesChange();
    void bt_cancelClick(); // Edit
    void FlatButton1Click(); // Delete

private:
    void FormCreate();
    int selectedEntry() const;

    Session& session_;
};

} // namespace zentrel
