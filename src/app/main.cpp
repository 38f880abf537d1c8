// Zentrel: the chart of one person's life.
#include "app/life_chart_in.h"
#include "app/session.h"
#include "dialogs/tuto.h"
#include "platform/errorhandler.h"
#include "platform/messages.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path programFolder(const char* argv0)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::absolute(argv0).parent_path() : self.parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    const fs::path folder = programFolder(argv[0]);
    // The chart pages name Windows fonts; the program folder's font file maps them to the
    // installed metric twins. It has to be in place before anything draws text.
    const fs::path fonts = folder / "fonts.conf";
    if (!std::getenv("FONTCONFIG_FILE") && fs::exists(fonts))
        ::setenv("FONTCONFIG_FILE", fonts.c_str(), 1);

    zentrel::platform::ErrorHandlingApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Zentrel"));
    app.setApplicationDisplayName(QStringLiteral("Zentrel " ZENTREL_VERSION));

    zentrel::Session session(folder);
    zentrel::TForm1 form(session);
    zentrel::Ttutorial tutorial(session);
    try {
        tutorial.FormCreate();
    } catch (const std::exception& e) {
        zentrel::platform::showError(&form, QString::fromUtf8(e.what()));
    }
    form.setTutorial(&tutorial);
    form.show();
    return app.exec();
}
