#pragma once
// Records one event of the open chart (event_mode 1) or changes one (event_mode 2, entry
// edit_index): its type, years, comments and colours.
#include "platform/skinnedwindow.h"

#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zentrel {

struct Session;
namespace platform {
class ColourBox;
class IntSpinEdit;
class RichTextPane;
}

class Tnew_event : public platform::SkinnedDialog {
    Q_OBJECT
public:
    Tnew_event(Session& session, QWidget* parent);

    QLabel* Label2 = nullptr; // start-year label
    QLabel* Label3 = nullptr; // end-year label
    QComboBox* FlatComboBox1 = nullptr; // type
    QLabel* DescriptionLabel = nullptr;
    platform::ColourBox* text_color = nullptr;
    platform::ColourBox* bg_color = nullptr;
    QLineEdit* commentsMemo = nullptr;
    platform::IntSpinEdit* year_born = nullptr;
    platform::IntSpinEdit* year_end = nullptr;
    QCheckBox* FlatCheckBox1 = nullptr;
    QGroupBox* FlatGroupBox1 = nullptr;
    QListWidget* caption_list = nullptr;
    QPushButton* bt_ok = nullptr;
    QPushButton* bt_cancel = nullptr;
    platform::RichTextPane* cxRichEdit1 = nullptr;

    // The type number of the selected item; 0 when none.
    int selectedType() const;

public slots:
    void FlatComboBox1Change();
    void FlatCheckBox1Click();
    void bt_okClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void addTypeItem(int type);
    void fillTypes(const std::string& category);
    bool isSingleYear(int type) const;
    void showCategoryTitle(const std::string& category);

    Session& session_;
    bool help_loaded_ = false;
};

} // namespace zentrel
