#pragma once
// Creates a chart (chart_mode 0) or edits the open chart's name, years and personal event
// (chart_mode 1), renaming its file to match.
#include "platform/skinnedwindow.h"

#include <filesystem>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentrel {

struct Session;
class TForm1;
namespace platform {
class IntSpinEdit;
class RichTextPane;
}

class Tnew_chart : public platform::SkinnedDialog {
    Q_OBJECT
public:
    Tnew_chart(TForm1& form);

    QLineEdit* my_name = nullptr;
    platform::IntSpinEdit* year_born = nullptr;
    platform::IntSpinEdit* year_end = nullptr;
    QLineEdit* FlatEdit1 = nullptr; // personal event
    QPushButton* FlatButton1 = nullptr; // Ok
    QPushButton* FlatButton2 = nullptr; // Cancel
    platform::RichTextPane* cxRichEdit1 = nullptr;

public slots:
    void FlatButton1Click();

private:
    void FormCreate();
    bool checkName(std::string& name, std::filesystem::path& path);

    TForm1& form_;
    Session& session_;
};

} // namespace zentrel
