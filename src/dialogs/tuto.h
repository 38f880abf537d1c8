#pragma once
// The tutorial window: a tool window docked beside the main window. Closing only hides it;
// what the user types into it lasts until the program ends.
#include <QWidget>

namespace zentrel {

struct Session;
namespace platform {
class RichTextPane;
}

class Ttutorial : public QWidget {
    Q_OBJECT
public:
    explicit Ttutorial(Session& session, QWidget* parent = nullptr);

    platform::RichTextPane* cxRichEdit1 = nullptr;

    // Loads "tutorial.rtf". Throws IoError when it is missing.
    void FormCreate();

private:
    Session& session_;
};

} // namespace zentrel
