#include "dialogs/newevent_categoryselect.h"

#include "app/session.h"
#include "chart/eventlabels.h"
#include "dialogs/dialogskin.h"
#include "platform/qtext.h"
#include "platform/richpane.h"

#include <QListWidget>
#include <QPushButton>

namespace zentrel {

TNewEventCategorySelect::TNewEventCategorySelect(Session& session, QWidget* parent)
    : SkinnedDialog(parent, QSize(350, 370)), session_(session)
{
    setTitle(QStringLiteral("Choose an Event Category"));
    event_categories = new QListWidget(this);
    event_categories->setGeometry(12, 48, 321, 101);
    event_categories->setSelectionMode(QAbstractItemView::SingleSelection);
    FlatButton1 = new QPushButton(QStringLiteral("Ok"), this);
    FlatButton1->setGeometry(88, 176, 73, 22);
    FlatButton1->setDefault(true);
    FlatButton2 = new QPushButton(QStringLiteral("Cancel"), this);
    FlatButton2->setGeometry(184, 176, 73, 22);
    cxRichEdit1 = addHelpPane(this, QRect(17, 224, 313, 121));
    event_categories->setFocus(); // arrow keys pick an item at once
    connect(FlatButton1, &QPushButton::clicked, this, &TNewEventCategorySelect::FlatButton1Click);
    connect(FlatButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(event_categories, &QListWidget::itemDoubleClicked, this, &TNewEventCategorySelect::FlatButton1Click);
    FormCreate();
}

void TNewEventCategorySelect::FormCreate()
{
    reportingErrors(this, [this] { loadHelp(cxRichEdit1, session_, QStringLiteral("events_add.rtf")); });
    reportingErrors(this, [this] { applyDialogSkin(this, session_, QStringLiteral("dialog_newchart.gif")); });
    for (const std::string& c : categoryChoices(*session_.catalogue, session_.chart->header().personal_event)) {
        auto* item = new QListWidgetItem(platform::fromCp1252(c), event_categories);
        item->setData(Qt::UserRole, QByteArray::fromStdString(c));
    }
}

void TNewEventCategorySelect::FlatButton1Click()
{
    const QListWidgetItem* item = event_categories->currentItem();
    if (!item || !item->isSelected())
        return;
    session_.selected_category = item->data(Qt::UserRole).toByteArray().toStdString();
    accept();
}

} // namespace zentrel
