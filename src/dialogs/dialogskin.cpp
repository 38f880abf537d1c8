#include "dialogs/dialogskin.h"

#include "app/session.h"
#include "platform/imagebutton.h"
#include "platform/richpane.h"

namespace zentrel {

platform::RichTextPane* addHelpPane(platform::SkinnedDialog* dialog, const QRect& geometry)
{
    auto* pane = new platform::RichTextPane(dialog);
    pane->setReadOnly(true);
    dialog->setHelpPane(pane, geometry);
    return pane;
}

void applyDialogSkin(platform::SkinnedDialog* dialog, const Session& session, const QString& picture)
{
    if (platform::ImageButton* box = dialog->closeBox())
        box->loadPictures(session.file(QStringLiteral("pictures")), QStringLiteral("btn_dlgclose"));
    dialog->applySkinPicture(session.file(picture));
}

void loadHelp(platform::RichTextPane* pane, const Session& session, const QString& file)
{
    pane->loadFile(session.file(file));
}

} // namespace zentrel
