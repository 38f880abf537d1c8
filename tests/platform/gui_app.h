#pragma once
// The one QApplication of the test executable: its files share it, whichever test runs first.
#include <QApplication>

namespace zentrel::platform::guitest {

inline void ensureGuiApp()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives for the whole run
}

} // namespace zentrel::platform::guitest
