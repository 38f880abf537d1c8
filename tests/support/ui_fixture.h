#pragma once
// A whole program on a scratch program folder for the window and dialog tests: the shipped
// assets copied in, a fixed current year, message boxes answered by script.
#include "app/life_chart_in.h"
#include "app/session.h"
#include "platform/messages.h"
#include "support/test_support.h"

#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

namespace zentrel::test {

// The test executables' main makes this, the application of the real program.
int runUiTests(int argc, char** argv);

struct UiFixture {
    explicit UiFixture(bool with_sample = true);
    ~UiFixture();

    TempDir dir;
    std::unique_ptr<Session> session;
    std::unique_ptr<TForm1> form;
    platform::ScriptedMessages messages;

    std::filesystem::path chartFile(const std::string& name) const { return dir / "data" / (name + ".ztl"); }
    // Copies the shipped file again, e.g. after a test removed or changed it.
    void restoreAsset(const std::string& name) const;

    // Makes the main window (after the test changed the folder, if it wants to).
    TForm1& makeForm();
    // Writes a chart with `events` of the shipped catalogue's first type.
    void writeChart(const std::string& name, int born, int last, int events = 0, const std::string& personal = "");
};

// Runs `action` on the next modal dialog as soon as it is up (within `timeout_ms`), while the
// caller's exec() blocks.
void whenModal(const std::function<void(QWidget*)>& action, int timeout_ms = 5000);

// Processes events until `done` holds or `timeout_ms` passes; returns `done()`.
bool waitFor(const std::function<bool()>& done, int timeout_ms = 15000);

} // namespace zentrel::test
