#pragma once
// Lists the charts of the chart folder to open one or delete one.
#include "platform/skinnedwindow.h"

#include <string>

class QListWidget;
class QPushButton;

namespace zentrel {

struct Session;
class TForm1;
namespace platform {
class RichTextPane;
}

class Topen_chart : public platform::SkinnedDialog {
    Q_OBJECT
public:
    explicit Topen_chart(TForm1& form);

    QListWidget* people_chartlist = nullptr;
    QPushButton* FlatButton1 = nullptr; // Ok
    QPushButton* FlatButton2 = nullptr; // Cancel
    QPushButton* FlatButton3 = nullptr; // Delete
    platform::RichTextPane* cxRichEdit1 = nullptr;

    void FillChartList();

public slots:
    void FlatButton1Click();
    void FlatButton3Click();

private:
    void FormCreate();
    std::string selectedName() const;

    TForm1& form_;
    Session& session_;
};

} // namespace zentrel
