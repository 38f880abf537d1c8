#include "dialogs/newevent.h"

#include "app/session.h"
#include "chart/eventlabels.h"
#include "dialogs/dialogskin.h"
#include "platform/colourbox.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "platform/richpane.h"
#include "platform/spinedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel {

namespace {

QLabel* label(QWidget* parent, const QString& text, int left, int top, int width = 115)
{
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("background: transparent;"));
    l->setGeometry(left, top, width, 16);
    return l;
}

constexpr const char* kUnknownTypeText =
    "This event's type is no longer in the event catalogue. Its years, comments and colours can still be changed.";

} // namespace

Tnew_event::Tnew_event(Session& session, QWidget* parent)
    : SkinnedDialog(parent, QSize(500, 500), QPoint(457, 17)), session_(session)
{
    setTitle(QStringLiteral("Create An Event"));
    label(this, QStringLiteral("Type :"), 21, 56);
    FlatComboBox1 = new QComboBox(this);
    FlatComboBox1->setGeometry(140, 53, 340, 21);
    DescriptionLabel = new QLabel(QStringLiteral("Description:"), this);
    DescriptionLabel->setGeometry(17, 80, 465, 45);
    DescriptionLabel->setWordWrap(true);
    DescriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DescriptionLabel->setStyleSheet(QStringLiteral("background: transparent; color: rgb(112,105,86);"));

    Label2 = label(this, QStringLiteral("Year starts :"), 21, 133);
    year_born = new platform::IntSpinEdit(this);
    year_born->setGeometry(140, 130, 100, 20);
    Label3 = label(this, QStringLiteral("Year ends :"), 21, 159);
    year_end = new platform::IntSpinEdit(this);
    year_end->setGeometry(140, 156, 100, 20);
    FlatCheckBox1 = new QCheckBox(QStringLiteral("Don't apply the end year"), this);
    FlatCheckBox1->setGeometry(256, 157, 224, 18);

    label(this, QStringLiteral("Comments:"), 21, 185);
    commentsMemo = new QLineEdit(this);
    commentsMemo->setGeometry(140, 182, 340, 20);
    commentsMemo->setMaxLength(255);
    // Show at once what the chart file will hold: characters it cannot store become "?".
    connect(commentsMemo, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString stored = platform::fromCp1252(platform::toCp1252(text));
        if (stored != text) {
            const int cursor = commentsMemo->cursorPosition();
            commentsMemo->setText(stored);
            commentsMemo->setCursorPosition(std::min(cursor, int(stored.size())));
        }
    });

    label(this, QStringLiteral("Text Color:"), 21, 212);
    text_color = new platform::ColourBox(this);
    text_color->setGeometry(140, 209, 112, 22);
    label(this, QStringLiteral("Background Color:"), 262, 212, 102);
    bg_color = new platform::ColourBox(this);
    bg_color->setGeometry(366, 209, 114, 22);

    FlatGroupBox1 = new QGroupBox(QStringLiteral("Events You Have Added"), this);
    FlatGroupBox1->setGeometry(17, 238, 465, 78);
    FlatGroupBox1->setStyleSheet(QStringLiteral("QGroupBox { background: white; }"));
    caption_list = new QListWidget(FlatGroupBox1);
    caption_list->setSelectionMode(QAbstractItemView::NoSelection);
    caption_list->setFocusPolicy(Qt::NoFocus);
    auto* box = new QVBoxLayout(FlatGroupBox1);
    box->setContentsMargins(6, 14, 6, 6);
    box->addWidget(caption_list);

    bt_ok = new QPushButton(QStringLiteral("Ok"), this);
    bt_ok->setGeometry(170, 322, 73, 22);
    bt_ok->setDefault(true);
    bt_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    bt_cancel->setGeometry(257, 322, 73, 22);
    cxRichEdit1 = addHelpPane(this, QRect(17, 354, 465, 121));

    connect(FlatComboBox1, &QComboBox::currentIndexChanged, this, &Tnew_event::FlatComboBox1Change);
    connect(FlatCheckBox1, &QCheckBox::clicked, this, &Tnew_event::FlatCheckBox1Click);
    connect(bt_ok, &QPushButton::clicked, this, &Tnew_event::bt_okClick);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void Tnew_event::addTypeItem(int type)
{
    const TChartEntry& header = session_.chart->header();
    const std::string& name = type == kPersonalType ? header.personal_event : session_.catalogue->row(type).name;
    FlatComboBox1->addItem(platform::fromCp1252(name), type);
}

void Tnew_event::fillTypes(const std::string& category)
{
    const Catalogue& cat = *session_.catalogue;
    for (int k = 1; k <= cat.type_count; ++k)
        if (cat.row(k).category == category)
            addTypeItem(k);
}

void Tnew_event::showCategoryTitle(const std::string& category)
{
    setTitle(QStringLiteral("\"") + platform::fromCp1252(category) + QStringLiteral("\" Event"));
}

int Tnew_event::selectedType() const
{
    return FlatComboBox1->currentIndex() < 0 ? 0 : FlatComboBox1->currentData().toInt();
}

bool Tnew_event::isSingleYear(int type) const
{
    return type != kPersonalType && session_.catalogue->isRow(type) && type <= session_.catalogue->type_count &&
           session_.catalogue->row(type).end_label.empty();
}

void Tnew_event::FormCreate()
{
    reportingErrors(this, [this] { applyDialogSkin(this, session_, QStringLiteral("dialog_event_big.gif")); });
    const OpenChart& chart = *session_.chart;
    const TChartEntry& header = chart.header();
    year_born->setBounds(0, header.end_year);
    year_end->setBounds(header.start_year, header.end_year);

    const QSignalBlocker quiet(FlatComboBox1); // the type change runs once, below
    if (session_.event_mode != 2) {
        year_born->setValue(header.start_year);
        year_end->setValue(header.start_year);
        const std::string& category = session_.selected_category;
        if (category == header.personal_event) {
            addTypeItem(kPersonalType);
        } else {
            fillTypes(category);
        }
        showCategoryTitle(category);
        FlatComboBox1->setCurrentIndex(0);
        // A birthday's end year is the year that person died: most are still alive.
        FlatCheckBox1->setChecked(category == kBirthdaysCategory);
        text_color->setColour(session_.last_text_color);
        bg_color->setColour(session_.last_bg_color);
    } else {
        const TChartEntry& e = chart.entries[chart.edit_index];
        year_born->setValue(e.start_year);
        text_color->setColour(e.text_color);
        bg_color->setColour(e.bg_color);
        commentsMemo->setText(platform::fromCp1252(e.text));
        const Catalogue& cat = *session_.catalogue;
        if (e.type_index == kPersonalType) {
            addTypeItem(kPersonalType);
            showCategoryTitle(header.personal_event);
        } else if (cat.isRow(e.type_index) && e.type_index <= cat.type_count) {
            fillTypes(cat.row(e.type_index).category);
            showCategoryTitle(cat.row(e.type_index).category);
            FlatComboBox1->setCurrentIndex(FlatComboBox1->findData(e.type_index));
        } else {
            // The catalogue no longer has this type: keep the number and let the rest be edited.
            FlatComboBox1->addItem(QStringLiteral("Unknown type %1").arg(e.type_index), e.type_index);
            setTitle(QStringLiteral("Edit Event"));
        }
        if (FlatComboBox1->currentIndex() < 0)
            FlatComboBox1->setCurrentIndex(0);
        FlatComboBox1->setEnabled(false);
        if (e.end_year == 0) {
            year_end->setVisible(false);
            year_end->setLowerBound(0);
            year_end->setValue(0);
            FlatCheckBox1->setChecked(true);
            FlatCheckBox1Click();
        } else {
            year_end->setValue(e.end_year);
        }
    }
    FlatComboBox1Change();
    FlatCheckBox1Click();
}

void Tnew_event::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    if (help_loaded_)
        return;
    help_loaded_ = true;
    reportingErrors(this, [this] {
        loadHelp(cxRichEdit1, session_,
                 session_.event_mode == 2 ? QStringLiteral("events_edit.rtf") : QStringLiteral("events_new.rtf"));
    });
}

void Tnew_event::FlatComboBox1Change()
{
    const int type = selectedType();
    const Catalogue& cat = *session_.catalogue;
    if (type == kPersonalType) {
        DescriptionLabel->setText(QStringLiteral("Custom Event"));
    } else if (cat.isRow(type) && type <= cat.type_count) {
        const TEventType& row = cat.row(type);
        DescriptionLabel->setText(platform::fromCp1252(row.description));
        Label2->setText(platform::fromCp1252(row.start_label) + QStringLiteral(":"));
        const bool single = row.end_label.empty();
        if (single) {
            year_end->setValue(0);
        } else {
            Label3->setText(platform::fromCp1252(row.end_label) + QStringLiteral(":"));
        }
        Label3->setVisible(!single);
        year_end->setVisible(!single);
        FlatCheckBox1->setVisible(!single);
        // A ticked "Don't apply the end year" still holds for the new type: hidden at 0, not a
        // visible box whose value Ok would store.
        if (!single && FlatCheckBox1->isChecked())
            FlatCheckBox1Click();
    } else if (FlatComboBox1->currentIndex() >= 0) {
        DescriptionLabel->setText(QString::fromLatin1(kUnknownTypeText));
    }
    caption_list->clear();
    const OpenChart& chart = *session_.chart;
    for (int k = 2; k <= chart.entry_count; ++k)
        if (FlatComboBox1->currentIndex() >= 0 && chart.entries[k].type_index == type)
            caption_list->addItem(platform::fromCp1252(existingEventText(chart.entries[k])));
}

void Tnew_event::FlatCheckBox1Click()
{
    if (isSingleYear(selectedType()))
        return;
    if (FlatCheckBox1->isChecked()) {
        year_end->setLowerBound(0);
        year_end->setValue(0);
        year_end->setVisible(false);
        Label3->setVisible(false);
    } else {
        year_end->setLowerBound(session_.chart->header().start_year);
        if (year_end->value() < year_born->value())
            year_end->setValue(year_born->value());
        year_end->setVisible(true);
        Label3->setVisible(true);
    }
}

void Tnew_event::bt_okClick()
{
    const int type = selectedType();
    if (FlatComboBox1->currentIndex() < 0)
        return; // nothing to record without a type (0 may be a stored type number)
    if (isSingleYear(type)) {
        year_end->setLowerBound(0);
        year_end->setValue(0);
    } else if (year_end->value() != 0 && year_end->value() < year_born->value()) {
        platform::Messages::current().show(this, platform::Messages::Kind::Error,
                                           QStringLiteral("Event End Must Come After Event Start."));
        return;
    }
    if (commentsMemo->text().isEmpty()) {
        platform::showInfo(this, QStringLiteral("The field of Comments can not be empty."));
        return;
    }
    OpenChart& chart = *session_.chart;
    const auto fill = [&](TChartEntry& e) {
        e.start_year = year_born->value();
        e.end_year = year_end->value();
        e.text = storedText(platform::toCp1252(commentsMemo->text()));
        e.text_color = text_color->colour();
        e.bg_color = bg_color->colour();
    };
    // Memory follows the file: a save that fails takes the change back, so pressing Ok
    // again cannot record the event twice.
    if (session_.event_mode != 2) {
        TChartEntry e;
        fill(e);
        e.type_index = type;
        chart.appendEvent(e);
        try {
            saveProject(chart);
        } catch (...) {
            --chart.entry_count;
            throw;
        }
    } else {
        TChartEntry& e = chart.entries[chart.edit_index];
        const TChartEntry before = e;
        fill(e);
        try {
            saveProject(chart);
        } catch (...) {
            e = before;
            throw;
        }
    }
    session_.last_text_color = text_color->colour();
    session_.last_bg_color = bg_color->colour();
    accept();
}

} // namespace zentrel
