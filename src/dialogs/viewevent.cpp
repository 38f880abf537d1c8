#include "dialogs/viewevent.h"

#include "app/session.h"
#include "chart/eventlabels.h"
#include "dialogs/dialogskin.h"
#include "dialogs/newevent.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "platform/richpane.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace zentrel {

Tview_event::Tview_event(Session& session, QWidget* parent)
    : SkinnedDialog(parent, QSize(350, 500), QPoint(307, 17)), session_(session)
{
    setTitle(QStringLiteral("View & Edit Events"));
    event_categories = new QComboBox(this);
    event_categories->setGeometry(17, 52, 316, 21);
    list_viewevent = new QListWidget(this);
    list_viewevent->setGeometry(17, 80, 316, 222);
    list_viewevent->setSelectionMode(QAbstractItemView::SingleSelection);
    bt_ok = new QPushButton(QStringLiteral("Close"), this);
    bt_ok->setGeometry(51, 312, 73, 22);
    bt_cancel = new QPushButton(QStringLiteral("Edit"), this);
    bt_cancel->setGeometry(138, 312, 73, 22);
    FlatButton1 = new QPushButton(QStringLiteral("Delete"), this);
    FlatButton1->setGeometry(225, 312, 73, 22);
    cxRichEdit1 = addHelpPane(this, QRect(17, 354, 313, 121));
    connect(event_categories, &QComboBox::currentIndexChanged, this, &Tview_event::event_categoriesChange);
    connect(bt_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bt_cancel, &QPushButton::clicked, this, &Tview_event::bt_cancelClick);
    connect(FlatButton1, &QPushButton::clicked, this, &Tview_event::FlatButton1Click);
    connect(list_viewevent, &QListWidget::itemDoubleClicked, this, &Tview_event::bt_cancelClick);
    FormCreate();
}

void Tview_event::FormCreate()
{
    reportingErrors(this, [this] { loadHelp(cxRichEdit1, session_, QStringLiteral("dialog_editevent.rtf")); });
    reportingErrors(this, [this] { applyDialogSkin(this, session_, QStringLiteral("dialog_event.gif")); });
    const QSignalBlocker quiet(event_categories);
    for (const std::string& c : categoryChoices(*session_.catalogue, session_.chart->header().personal_event))
        event_categories->addItem(platform::fromCp1252(c), QByteArray::fromStdString(c));
    event_categories->setCurrentIndex(0);
    event_categoriesChange();
}

void Tview_event::event_categoriesChange()
{
    list_viewevent->clear();
    if (event_categories->currentIndex() < 0)
        return;
    const std::string category = event_categories->currentData().toByteArray().toStdString();
    const OpenChart& chart = *session_.chart;
    const std::string& personal = chart.header().personal_event;
    for (int k = 2; k <= chart.entry_count; ++k) {
        const TChartEntry& e = chart.entries[k];
        if (eventCategory(*session_.catalogue, personal, e.type_index) != category)
            continue;
        auto* item = new QListWidgetItem(platform::fromCp1252(eventListText(category, e)), list_viewevent);
        item->setData(Qt::UserRole, k);
    }
}

int Tview_event::selectedEntry() const
{
    const QListWidgetItem* item = list_viewevent->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
}

void Tview_event::bt_cancelClick()
{
    const int k = selectedEntry();
    if (k == 0)
        return;
    session_.chart->edit_index = k;
    session_.event_mode = 2;
    {
        Tnew_event editor(session_, this);
        editor.exec();
    }
    event_categoriesChange();
}

void Tview_event::FlatButton1Click()
{
    const int k = selectedEntry();
    if (k == 0)
        return;
    if (!platform::askYesNo(this, QStringLiteral("Erased events can not be restored. Do you want to continue?")))
        return;
    OpenChart& chart = *session_.chart;
    const TChartEntry removed = chart.entries[k];
    chart.removeEvent(k);
    try {
        saveProject(chart);
    } catch (...) {
        // The file still holds the event: put it back so the list, the chart and the file agree.
        ++chart.entry_count;
        for (int i = chart.entry_count; i > k; --i)
            chart.entries[i] = chart.entries[i - 1];
        chart.entries[k] = removed;
        event_categoriesChange();
        throw;
    }
    event_categoriesChange();
}

} // namespace zentrel
