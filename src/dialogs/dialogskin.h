#pragma once
// What every skinned dialog of the program shares: its skin picture and help pane, each loaded
// from the program folder, and creation steps that report a failure and let the next run.
#include "platform/messages.h"
#include "platform/skinnedwindow.h"

#include <QRect>
#include <QString>

#include <exception>

namespace zentrel {

struct Session;
namespace platform {
class RichTextPane;
}

// Runs one step; an error is shown and the caller goes on.
template <typename F>
void reportingErrors(QWidget* parent, F&& step)
{
    try {
        step();
    } catch (const std::exception& e) {
        platform::showError(parent, QString::fromUtf8(e.what()));
    }
}

// A read-only help pane at `geometry` on the dialog.
platform::RichTextPane* addHelpPane(platform::SkinnedDialog* dialog, const QRect& geometry);

// Loads the skin picture / the help text from the program folder (throw IoError).
void applyDialogSkin(platform::SkinnedDialog* dialog, const Session& session, const QString& picture);
void loadHelp(platform::RichTextPane* pane, const Session& session, const QString& file);

} // namespace zentrel
