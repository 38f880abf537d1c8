#include "support/ui_fixture.h"

#include "platform/errorhandler.h"

#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zentrel::test {

int runUiTests(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("TZ", "UTC", 1);
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0); // the engine refuses root otherwise
    const fs::path fonts = fs::path(ZENTREL_BIN_DIR) / "fonts.conf";
    if (fs::exists(fonts))
        ::setenv("FONTCONFIG_FILE", fonts.c_str(), 0);
    ::testing::InitGoogleTest(&argc, argv);
    platform::ErrorHandlingApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Zentrel"));
    return RUN_ALL_TESTS();
}

UiFixture::UiFixture(bool with_sample)
{
    const fs::path assets = fs::path(ZENTREL_SOURCE_DIR) / "assets";
    fs::copy(assets, dir.path(), fs::copy_options::recursive);
    if (!with_sample) {
        for (const auto& f : fs::directory_iterator(dir / "data"))
            fs::remove(f.path());
    }
    session = std::make_unique<Session>(dir.path());
    session->current_year = [] { return 2026; };
}

UiFixture::~UiFixture()
{
    form.reset();
}

void UiFixture::restoreAsset(const std::string& name) const
{
    fs::copy_file(fs::path(ZENTREL_SOURCE_DIR) / "assets" / name, dir / name, fs::copy_options::overwrite_existing);
}

TForm1& UiFixture::makeForm()
{
    form = std::make_unique<TForm1>(*session);
    return *form;
}

void UiFixture::writeChart(const std::string& name, int born, int last, int events, const std::string& personal)
{
    OpenChart chart;
    chart.header().text = name;
    chart.header().start_year = born;
    chart.header().end_year = last;
    chart.header().personal_event = personal;
    chart.entry_count = 1;
    for (int i = 0; i < events; ++i) {
        TChartEntry e;
        e.type_index = 1;
        e.start_year = born + i;
        e.end_year = born + i + 1;
        e.text = "event " + std::to_string(i + 1);
        chart.appendEvent(e);
    }
    chart.chart_path = chartFile(name);
    saveProject(chart);
}

void whenModal(const std::function<void(QWidget*)>& action, int timeout_ms)
{
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, action, started, timeout_ms] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (started->elapsed() > timeout_ms) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog came up";
        }
    });
    timer->start(10);
}

bool waitFor(const std::function<bool()>& done, int timeout_ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeout_ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace zentrel::test
