#include "app/life_chart_in.h"

#include "chart/error.h"
#include "chart/text.h"
#include "dialogs/about_form.h"
#include "dialogs/newchart.h"
#include "dialogs/newevent.h"
#include "dialogs/newevent_categoryselect.h"
#include "dialogs/viewevent.h"
#include "dialogs/openchart.h"
#include "dialogs/tuto.h"
#include "platform/flatstyle.h"
#include "platform/hotlinklabel.h"
#include "platform/htmlviewer.h"
#include "platform/imagebutton.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "platform/skinnedwindow.h"
#include "render/pages.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace zentrel {

using platform::Messages;

namespace {

struct Shift {
    QWidget* widget;
    int left, top, width, height;
};

} // namespace

TForm1::TForm1(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QString::fromLatin1(kMakerAddress));
    setFont(platform::defaultDialogFont());
    setFixedSize(kCompactSize);
    buildControls();
    buildMenu();
    platform::applyFlatStyle(this);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    SaveDialog1 = [this](const QString& proposed) {
        QFileDialog dialog(this, QStringLiteral("Export to Excel"), proposed);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("xls"));
        dialog.setNameFilter(QStringLiteral("Excel File (*.xls)"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    Label1 = new QLabel(QStringLiteral("Project Name:"), this);
    Label1->move(34, 83);
    Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    Label1->resize(440, 16);

    Label2 = new QLabel(QStringLiteral("Version " ZENTREL_VERSION), this);
    Label2->move(483, 587);
    Label2->setStyleSheet(QStringLiteral("background: transparent; color: rgb(112,105,86);"));
    Label2->resize(190, 16);

    const auto imageButton = [this](const char* stem, int left) {
        auto* b = new platform::ImageButton(this);
        b->loadPictures(session_.file(QStringLiteral("pictures")), QString::fromLatin1(stem));
        b->setGeometry(left, 15, 17, 15);
        return b;
    };
    ImageButton4 = imageButton("btn_layout", 623);
    ImageButton4->setToolTip(QStringLiteral("Larger or smaller window"));
    ImageButton2 = imageButton("btn_min", 643);
    ImageButton2->setToolTip(QStringLiteral("Minimise"));
    ImageButton1 = imageButton("btn_close", 663);
    ImageButton1->setToolTip(QStringLiteral("Close Zentrel"));
    ImageButton3 = imageButton("btn_about", 683);
    ImageButton3->setToolTip(QStringLiteral("About Zentrel"));
    connect(ImageButton4, &QAbstractButton::clicked, this, &TForm1::ImageButton4Click);
    connect(ImageButton2, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(ImageButton1, &QAbstractButton::clicked, this, &QWidget::close);
    connect(ImageButton3, &QAbstractButton::clicked, this, &TForm1::aboutClick);

    const auto flatButton = [this](const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(left, 550, width, 22);
        return b;
    };
    FlatButton2 = flatButton(QStringLiteral("Main Menu"), 32, 97);
    bt_addevent = flatButton(QStringLiteral("Add An Event"), 144, 97);
    FlatButton1 = flatButton(QStringLiteral("View && Edit Events"), 256, 105);
    connect(FlatButton2, &QPushButton::clicked, this, &TForm1::FlatButton2Click);
    connect(bt_addevent, &QPushButton::clicked, this, &TForm1::bt_addeventClick);
    connect(FlatButton1, &QPushButton::clicked, this, &TForm1::FlatButton1Click);
    FlatButton2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FlatButton2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(FlatButton2->mapToGlobal(at)); });

    HTMLViewer1 = new platform::HtmlViewer(this);
    HTMLViewer1->setGeometry(32, 100, 645, 437);

    JvPanel1 = new QWidget(this);
    JvPanel1->setGeometry(487, 81, 190, 17);
    JvLabel1 = new platform::HotLinkLabel(QString::fromLatin1(kMakerAddress).remove(QStringLiteral("https://")),
                                          QString::fromLatin1(kMakerAddress), JvPanel1);
    JvLabel1->setColours(QColor(125, 121, 104), QColor(0, 128, 0));
    QFont bold = JvLabel1->font();
    bold.setBold(true);
    JvLabel1->setFont(bold);
    JvLabel1->setGeometry(0, 0, 190, 17);
    JvLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Panel4 = new QWidget(this);
    Panel4->setGeometry(381, 540, 295, 17);
    Panel4->setAutoFillBackground(true);
    Panel4->setStyleSheet(QStringLiteral("background: white;"));
    JvLabel2 = new platform::HotLinkLabel(QStringLiteral("Why not turn this chart into a professionally written lifestory?"),
                                          QString::fromLatin1(kMakerAddress), Panel4);
    JvLabel2->setColours(QColor(125, 121, 104), palette().color(QPalette::WindowText));
    QFont small = JvLabel2->font();
    small.setPixelSize(10);
    JvLabel2->setFont(small);
    JvLabel2->setGeometry(0, 0, 295, 17);
    JvLabel2->setAlignment(Qt::AlignCenter);
}

void TForm1::buildMenu()
{
    PopupMenu1 = new QMenu(QStringLiteral("Main Menu"), this);
    const auto item = [this](const char* icon, const QString& caption, void (TForm1::*slot)()) {
        QAction* a = PopupMenu1->addAction(QIcon(session_.file(QStringLiteral("pictures/%1.png").arg(QLatin1String(icon)))),
                                           caption);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    OpenCharts1 = item("icon_open", QStringLiteral("&View existing or sample chart"), &TForm1::OpenCharts1Click);
    CreateNewChart1 = item("icon_new", QStringLiteral("Create &New Chart"), &TForm1::CreateNewChart1Click);
    PopupMenu1->addSeparator();
    EditChartDetails1 = item("icon_edit", QStringLiteral("&Edit Chart Name"), &TForm1::EditChartDetails1Click);
    PopupMenu1->addSeparator();
    ZentrelTutorial1 = item("icon_tutorial", QStringLiteral("Zen&trel Tutorial"), &TForm1::ZentrelTutorial1Click);
    PopupMenu1->addSeparator();
    PrinterSetup1 = item("icon_printer", QStringLiteral("&Printer Setup"), &TForm1::PrinterSetup1Click);
    PageSetup1 = item("icon_pagesetup", QStringLiteral("P&age Setup"), &TForm1::PageSetup1Click);
    PrintPreview1 = item("icon_preview", QStringLiteral("Print Preview/Export Chart to JPE&G"), &TForm1::PrintPreview1Click);
    PopupMenu1->addSeparator();
    ExporttoExcel1 = item("icon_excel", QStringLiteral("&Export to Excel"), &TForm1::ExporttoExcel1Click);
    PopupMenu1->addSeparator();
    CommentsorFeedback1 = item("icon_feedback", QStringLiteral("Comments or &Feedback"), &TForm1::CommentsorFeedback1Click);
}

// Each step reports its own failure and the next still runs: the catalogue and the print
// settings do not depend on the skin.
void TForm1::runCreation(void (TForm1::*step)())
{
    try {
        (this->*step)();
    } catch (const std::exception& e) {
        platform::showError(this, QString::fromUtf8(e.what()));
    }
}

void TForm1::FormCreate()
{
    bt_addevent->setEnabled(false);
    FlatButton1->setEnabled(false);
    last_left_ = 0;
    last_top_ = 0;
    first_tick_ = true;
    runCreation(&TForm1::stepLoadSkin);
    runCreation(&TForm1::stepPrintSettings);
    runCreation(&TForm1::stepLoadCatalogue);
}

void TForm1::stepLoadSkin() { loadSkin(QStringLiteral("back_border2.gif")); }

void TForm1::stepPrintSettings()
{
    session_.catalogue->type_count = 0;
    session_.print.setDefaults();
}

void TForm1::stepLoadCatalogue()
{
    const CatalogueLoad load = loadCatalogue(*session_.catalogue, session_.program_folder / "events.dat");
    if (load.lines_dropped > 0)
        platform::Messages::current().show(
            this, Messages::Kind::Warning,
            QStringLiteral("The event catalogue events.dat has %1 lines past the 100th. Only the first 100 event "
                           "types are used.")
                .arg(load.lines_dropped));
}

void TForm1::loadSkin(const QString& file)
{
    platform::applySkin(this, platform::loadSkinPicture(session_.file(file)));
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (first_tick_)
        QTimer::singleShot(0, this, &TForm1::Timer1Timer);
}

void TForm1::Timer1Timer()
{
    if (!first_tick_)
        return;
    Label1->clear();
    session_.last_text_color = rgb(0, 0, 0);
    session_.last_bg_color = rgb(220, 220, 220);
    first_tick_ = false;
    HTMLViewer1->loadFile(session_.file(QStringLiteral("welcome.html")));
}

// Looked at once the handler that moved the window is done, so a layout switch docks the
// tutorial to the new width.
void TForm1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!move_pending_) {
        move_pending_ = true;
        QTimer::singleShot(0, this, &TForm1::followMove);
    }
}

void TForm1::followMove()
{
    move_pending_ = false;
    if (x() != last_left_ || y() != last_top_) {
        last_left_ = x();
        last_top_ = y();
        dockTutorial();
    }
}

void TForm1::setTutorial(Ttutorial* tutorial)
{
    tutorial_ = tutorial;
}

void TForm1::dockTutorial()
{
    if (tutorial_)
        tutorial_->move(x() + width() - 5, y() + 5);
}

void TForm1::ImageButton4Click()
{
    const bool to_wide = width() < 800;
    const int sign = to_wide ? 1 : -1;
    const std::initializer_list<Shift> shifts = {
        {ImageButton4, 160, 0, 0, 0}, {ImageButton1, 160, 0, 0, 0}, {ImageButton2, 160, 0, 0, 0},
        {ImageButton3, 160, 0, 0, 0}, {JvPanel1, 160, 29, 0, 0},    {Label1, 0, 29, 0, 0},
        {HTMLViewer1, 0, 29, 160, 104}, {Panel4, 160, 132, 0, 0},   {Label2, 160, 135, 0, 0},
        {FlatButton1, 0, 133, 0, 0},  {FlatButton2, 0, 133, 0, 0},  {bt_addevent, 0, 133, 0, 0},
    };
    for (const Shift& s : shifts) {
        const QRect g = s.widget->geometry();
        s.widget->setGeometry(g.x() + sign * s.left, g.y() + sign * s.top, g.width() + sign * s.width,
                              g.height() + sign * s.height);
    }
    if (to_wide)
        move(50, 50);
    setFixedSize(to_wide ? kWideSize : kCompactSize);
    platform::applySkin(this, QImage());
    loadSkin(to_wide ? QStringLiteral("back_border3.gif") : QStringLiteral("back_border2.gif"));
}

void TForm1::FlatButton2Click() { PopupMenu1->popup(QCursor::pos()); }

void TForm1::setChartTitle(const QString& title)
{
    Label1->setText(title);
}

void TForm1::enableEventButtons()
{
    bt_addevent->setEnabled(true);
    FlatButton1->setEnabled(true);
}

// A chart that fails to load leaves the chart that was open as it was, saving to its own file,
// so a broken file never receives another chart's events.
void TForm1::openChart(const std::string& name)
{
    auto loaded = std::make_unique<OpenChart>();
    try {
        loadProject(*loaded, session_.charts, name);
    } catch (const IoError& e) {
        // Error texts are shown as UTF-8; the name is stored in the chart's code page.
        throw IoError("The chart \"" + cp1252ToUtf8(name) + "\" could not be opened: " + e.what());
    }
    session_.chart = std::move(loaded);
    enableEventButtons();
    setChartTitle(platform::fromCp1252(chartTitle(chart().chart_path)));
}

void TForm1::PrepareHTML(bool show_page)
{
    session_.builder.build(*session_.grid, chart(), *session_.catalogue);
    if (!show_page)
        return;
    std::string page;
    writeChartPage(*session_.grid, page);
    writePageFile(session_.program_folder / "test.html", page);
    HTMLViewer1->loadFile(session_.file(QStringLiteral("test.html")));
    warnIfCut();
}

// Told once per chart and size, so redrawing after each change does not repeat it.
void TForm1::warnIfCut()
{
    const ChartGrid& g = *session_.grid;
    if (g.fits() || chart().entry_count == 0) {
        cut_warned_for_.clear();
        return;
    }
    const std::string key = chart().chart_path.string() + "|" + std::to_string(g.needed_rows) + "|" +
                            std::to_string(g.needed_cols);
    if (key == cut_warned_for_)
        return;
    cut_warned_for_ = key;
    QString why;
    if (g.needed_rows > kGridRows)
        why = QStringLiteral("It covers %1 years; a chart can show at most %2.").arg(g.needed_rows - 1).arg(kGridRows - 1);
    else
        why = QStringLiteral("Its events need %1 bands; a chart can show at most %2.").arg(g.needed_cols - 2).arg(kGridCols - 2);
    Messages::current().show(this, Messages::Kind::Warning,
                             QStringLiteral("This chart is too large to show whole, so it is cut off. ") + why);
}

void TForm1::ZentrelTutorial1Click()
{
    if (!tutorial_)
        return;
    dockTutorial();
    tutorial_->show();
    tutorial_->raise();
}

void TForm1::aboutClick()
{
    Tztl_about about(session_, this);
    about.exec();
}

void TForm1::CommentsorFeedback1Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kFeedbackAddress)));
}

} // namespace zentrel

namespace zentrel {

namespace {
void notYet(QWidget* parent)
{
    platform::showInfo(parent, QStringLiteral("This command is not yet available."));
}
} // namespace

void TForm1::bt_addeventClick()
{
    if (chart().isFull()) {
        platform::showInfo(this, QString::fromLatin1(kChartFullMessage));
        return;
    }
    session_.selected_category.clear();
    {
        TNewEventCategorySelect chooser(session_, this);
        chooser.exec();
    }
    if (session_.selected_category.empty())
        return;
    session_.event_mode = 1;
    {
        Tnew_event editor(session_, this);
        editor.exec();
    }
    PrepareHTML(true);
}

void TForm1::FlatButton1Click()
{
    {
        Tview_event list(session_, this);
        list.exec();
    }
    PrepareHTML(true);
}

void TForm1::OpenCharts1Click()
{
    {
        Topen_chart dialog(*this);
        dialog.exec();
    }
    session_.catalogue->setPersonalEvent(chart().header().personal_event);
    PrepareHTML(true);
}

void TForm1::CreateNewChart1Click()
{
    session_.chart_mode = 0;
    {
        Tnew_chart dialog(*this);
        dialog.exec();
    }
    PrepareHTML(true);
}

void TForm1::EditChartDetails1Click()
{
    if (chart().entry_count == 0) {
        platform::showInfo(this, QStringLiteral("There is no chart open to edit. Open a chart or create a new one first."));
        return;
    }
    session_.chart_mode = 1;
    {
        Tnew_chart dialog(*this);
        dialog.exec();
    }
    PrepareHTML(true);
    session_.catalogue->setPersonalEvent(chart().header().personal_event);
}

void TForm1::ExporttoExcel1Click()
{
    const QString path = SaveDialog1(last_export_);
    if (path.isEmpty())
        return;
    last_export_ = path;
    PrepareHTML(true);
    exportSpreadsheet(session_.program_folder / "test.html", path.toStdString());
    platform::showInfo(this, QStringLiteral("Export Complete!"));
}

void TForm1::PrinterSetup1Click() { notYet(this); }
void TForm1::PageSetup1Click() { notYet(this); }
void TForm1::PrintPreview1Click() { notYet(this); }

} // namespace zentrel
