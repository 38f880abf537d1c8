#pragma once
// The main window: the skinned frame around the chart viewer, its menu and event buttons.
#include "app/session.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QFileDialog;

namespace zentrel {

namespace platform {
class HotLinkLabel;
class HtmlViewer;
class ImageButton;
}
class Ttutorial;

inline constexpr const char* kMakerAddress = "https://zentrel.example";
inline constexpr const char* kFeedbackAddress = "feedback@zentrel.example";

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kCompactSize{710, 610};
    static constexpr QSize kWideSize{873, 750};

    TForm1(Session& session, QWidget* parent = nullptr);
    ~TForm1() override;

    Session& session() { return session_; }
    OpenChart& chart() { return *session_.chart; }

    // Rebuilds the chart grid; with show_page, writes "test.html" and shows it.
    void PrepareHTML(bool show_page);

    void setChartTitle(const QString& title);
    void enableEventButtons();
    // Opens chart `name` of the chart folder: enables the event buttons once the file is open
    // and sets the title. Throws IoError as loadProject does.
    void openChart(const std::string& name);

    void setTutorial(Ttutorial* tutorial);
    bool isWide() const { return width() >= 800; }

    // Controls, named as they are known in the help texts and tests.
    QLabel* Label1 = nullptr; // chart title
    QLabel* Label2 = nullptr; // version
    QPushButton* FlatButton2 = nullptr; // Main Menu
    QPushButton* bt_addevent = nullptr;
    QPushButton* FlatButton1 = nullptr; // View & Edit Events
    platform::HtmlViewer* HTMLViewer1 = nullptr;
    platform::ImageButton* ImageButton1 = nullptr; // close
    platform::ImageButton* ImageButton2 = nullptr; // minimise
    platform::ImageButton* ImageButton3 = nullptr; // about
    platform::ImageButton* ImageButton4 = nullptr; // layout switch
    platform::HotLinkLabel* JvLabel1 = nullptr;
    platform::HotLinkLabel* JvLabel2 = nullptr;
    QWidget* JvPanel1 = nullptr;
    QWidget* Panel4 = nullptr;
    QMenu* PopupMenu1 = nullptr;

    // Menu items, in order.
    QAction* OpenCharts1 = nullptr;
    QAction* CreateNewChart1 = nullptr;
    QAction* EditChartDetails1 = nullptr;
    QAction* ZentrelTutorial1 = nullptr;
    QAction* PrinterSetup1 = nullptr;
    QAction* PageSetup1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QAction* ExporttoExcel1 = nullptr;
    QAction* CommentsorFeedback1 = nullptr;

    bool firstTickDone() const { return !first_tick_; }

    // The spreadsheet export's save dialog: given the name chosen last, returns the chosen
    // path with ".xls" added when none was typed, or empty for Cancel. Tests put in their own.
    std::function<QString(const QString& proposed)> SaveDialog1;

public slots:
    void FormCreate();
    void Timer1Timer(); // the first-tick work, run once right after the window is shown
    void ImageButton4Click(); // layout switch
    void FlatButton2Click(); // Main Menu
    void bt_addeventClick();
    void FlatButton1Click();
    void OpenCharts1Click();
    void CreateNewChart1Click();
    void EditChartDetails1Click();
    void ZentrelTutorial1Click();
    void PrinterSetup1Click();
    void PageSetup1Click();
    void PrintPreview1Click();
    void ExporttoExcel1Click();
    void CommentsorFeedback1Click();
    void aboutClick();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void loadSkin(const QString& file);
    void dockTutorial();
    void followMove();
    void runCreation(void (TForm1::*step)());
    void stepLoadSkin();
    void stepPrintSettings();
    void stepLoadCatalogue();
    void warnIfCut();

    Session& session_;
    bool first_tick_ = true;
    int last_left_ = 0;
    int last_top_ = 0;
    bool move_pending_ = false;
    QPointer<Ttutorial> tutorial_;
    QString last_export_;
    std::string cut_warned_for_;
};

} // namespace zentrel
