#include "dialogs/newchart.h"

#include "app/life_chart_in.h"
#include "dialogs/dialogskin.h"
#include "platform/qtext.h"
#include "platform/richpane.h"
#include "platform/spinedit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentrel {

namespace {

QLabel* label(QWidget* parent, const QString& text, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("background: transparent;"));
    l->move(left, top);
    l->adjustSize();
    return l;
}

} // namespace

Tnew_chart::Tnew_chart(TForm1& form)
    : SkinnedDialog(&form, QSize(350, 370), QPoint(307, 17)), form_(form), session_(form.session())
{
    setTitle(QStringLiteral("Create a New Chart"));
    label(this, QStringLiteral("Name :"), 21, 56);
    my_name = new QLineEdit(this);
    my_name->setGeometry(140, 53, 178, 19);
    label(this, QStringLiteral("Year Born :"), 21, 85);
    year_born = new platform::IntSpinEdit(this);
    year_born->setGeometry(140, 82, 121, 20);
    QLabel* end_label = label(this, QStringLiteral("Year of Time Line End :"), 21, 117);
    QFont narrow = end_label->font(); // the longest caption must end before its box
    narrow.setPixelSize(10);
    end_label->setFont(narrow);
    end_label->adjustSize();
    year_end = new platform::IntSpinEdit(this);
    year_end->setGeometry(140, 114, 121, 20);
    label(this, QStringLiteral("Personal Event:"), 21, 149);
    FlatEdit1 = new QLineEdit(this);
    FlatEdit1->setGeometry(140, 146, 178, 19);
    FlatButton1 = new QPushButton(QStringLiteral("Ok"), this);
    FlatButton1->setGeometry(88, 180, 73, 22);
    FlatButton1->setDefault(true);
    FlatButton2 = new QPushButton(QStringLiteral("Cancel"), this);
    FlatButton2->setGeometry(184, 180, 73, 22);
    cxRichEdit1 = addHelpPane(this, QRect(17, 224, 313, 121));
    my_name->setFocus();
    connect(FlatButton1, &QPushButton::clicked, this, &Tnew_chart::FlatButton1Click);
    connect(FlatButton2, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void Tnew_chart::FormCreate()
{
    reportingErrors(this, [this] { applyDialogSkin(this, session_, QStringLiteral("dialog_newchart.gif")); });
    const bool edit = session_.chart_mode != 0;
    reportingErrors(this, [this, edit] {
        loadHelp(cxRichEdit1, session_, edit ? QStringLiteral("dialog_editchart.rtf") : QStringLiteral("dialog_newchart.rtf"));
    });
    if (!edit) {
        const int year = session_.current_year();
        year_born->setValue(year);
        year_end->setValue(year);
        FlatEdit1->clear();
    } else {
        const TChartEntry& header = session_.chart->header();
        my_name->setText(platform::fromCp1252(header.text));
        year_born->setValue(header.start_year);
        year_end->setValue(header.end_year);
        FlatEdit1->setText(platform::fromCp1252(header.personal_event));
        setTitle(QStringLiteral("Edit Current Chart"));
    }
}

// The checks both modes make before anything is written. False: a message was shown.
bool Tnew_chart::checkName(std::string& name, std::filesystem::path& path)
{
    if (my_name->text().isEmpty()) {
        platform::showInfo(this, QStringLiteral("The field of name can not be empty. Personal Event is optional."));
        return false;
    }
    name = platform::toCp1252(my_name->text().trimmed());
    if (!isPortableChartName(name)) {
        platform::showError(this, QStringLiteral("Invalid filename"));
        return false;
    }
    path = session_.charts.pathOf(name);
    const bool taken = session_.charts.exists(name) && (session_.chart_mode == 0 || path != session_.chart->chart_path);
    if (taken) {
        platform::showInfo(this, QStringLiteral("A chart with the name \"") + my_name->text() + QStringLiteral("\" already exists."));
        return false;
    }
    return true;
}

void Tnew_chart::FlatButton1Click()
{
    std::string name;
    std::filesystem::path path;
    if (!checkName(name, path))
        return;
    OpenChart& chart = *session_.chart;
    if (session_.chart_mode == 0) {
        TChartEntry header;
        header.start_year = year_born->value();
        header.end_year = year_end->value();
        header.text = storedText(name);
        header.personal_event = storedText(platform::toCp1252(FlatEdit1->text()));
        session_.charts.create(name, header); // the open chart changes only once this is written
        chart.entry_count = 1;
        chart.entries[1] = header;
        chart.chart_path = path;
        form_.enableEventButtons();
    } else {
        // The open chart's own file is renamed, whatever its header says.
        if (!chart.chart_path.empty()) {
            std::error_code ec;
            std::filesystem::rename(chart.chart_path, path, ec);
        }
        TChartEntry& header = chart.header();
        header.text = storedText(name);
        header.start_year = year_born->value();
        header.end_year = year_end->value();
        header.personal_event = storedText(platform::toCp1252(FlatEdit1->text()));
        chart.chart_path = path;
        saveProject(chart);
    }
    form_.setChartTitle(platform::fromCp1252(chartTitle(chart.chart_path)));
    accept();
}

} // namespace zentrel
