#pragma once
// The first step of adding an event: choose the category, the chart's personal event last.
#include "platform/skinnedwindow.h"

class QListWidget;
class QPushButton;

namespace zentrel {

struct Session;
namespace platform {
class RichTextPane;
}

class TNewEventCategorySelect : public platform::SkinnedDialog {
    Q_OBJECT
public:
    explicit TNewEventCategorySelect(Session& session, QWidget* parent);

    QListWidget* event_categories = nullptr;
    QPushButton* FlatButton1 = nullptr; // Ok
    QPushButton* FlatButton2 = nullptr; // Cancel
    platform::RichTextPane* cxRichEdit1 = nullptr;

public slots:
    void FlatButton1Click();

private:
    void FormCreate();

    Session& session_;
};

} // namespace zentrel
