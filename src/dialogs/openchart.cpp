#include "dialogs/openchart.h"

#include "app/life_chart_in.h"
#include "dialogs/dialogskin.h"
#include "platform/qtext.h"
#include "platform/richpane.h"

#include <QListWidget>
#include <QPushButton>

namespace zentrel {

Topen_chart::Topen_chart(TForm1& form)
    : SkinnedDialog(&form, QSize(350, 370), QPoint(310, 17)), form_(form), session_(form.session())
{
    setTitle(QStringLiteral("Open Chart"));
    people_chartlist = new QListWidget(this);
    people_chartlist->setGeometry(12, 48, 321, 101);
    people_chartlist->setSelectionMode(QAbstractItemView::SingleSelection);
    people_chartlist->setSortingEnabled(false);
    FlatButton1 = new QPushButton(QStringLiteral("Ok"), this);
    FlatButton1->setGeometry(51, 176, 73, 22);
    FlatButton1->setDefault(true);
    FlatButton2 = new QPushButton(QStringLiteral("Cancel"), this);
    FlatButton2->setGeometry(129, 176, 73, 22);
    FlatButton3 = new QPushButton(QStringLiteral("Delete"), this);
    FlatButton3->setGeometry(207, 176, 73, 22);
    cxRichEdit1 = addHelpPane(this, QRect(17, 224, 313, 121));
    people_chartlist->setFocus(); // arrow keys pick an item at once
    connect(FlatButton1, &QPushButton::clicked, this, &Topen_chart::FlatButton1Click);
    // Cancel keeps chart_path, like the close box: later changes to the chart still save.
    connect(FlatButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(FlatButton3, &QPushButton::clicked, this, &Topen_chart::FlatButton3Click);
    connect(people_chartlist, &QListWidget::itemDoubleClicked, this, &Topen_chart::FlatButton1Click);
    FormCreate();
}

void Topen_chart::FormCreate()
{
    reportingErrors(this, [this] { loadHelp(cxRichEdit1, session_, QStringLiteral("dialog_opencharts.rtf")); });
    reportingErrors(this, [this] { applyDialogSkin(this, session_, QStringLiteral("dialog_newchart.gif")); });
    FillChartList();
}

void Topen_chart::FillChartList()
{
    people_chartlist->clear();
    for (const std::string& name : session_.charts.list()) {
        auto* item = new QListWidgetItem(platform::fromCp1252(name), people_chartlist);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
}

std::string Topen_chart::selectedName() const
{
    const QListWidgetItem* item = people_chartlist->currentItem();
    if (!item || !item->isSelected())
        return {};
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

void Topen_chart::FlatButton1Click()
{
    const std::string name = selectedName();
    if (name.empty())
        return;
    form_.openChart(name);
    accept();
}

void Topen_chart::FlatButton3Click()
{
    const std::string name = selectedName();
    if (name.empty())
        return;
    if (!platform::askYesNo(this, QStringLiteral("Are you sure you want to delete the selected chart? Once you delete "
                                                 "a chart you can not restor it.")))
        return;
    session_.charts.remove(name);
    FillChartList();
}

} // namespace zentrel
