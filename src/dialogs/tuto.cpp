#include "dialogs/tuto.h"

#include "app/session.h"
#include "platform/richpane.h"

#include <QVBoxLayout>

namespace zentrel {

Ttutorial::Ttutorial(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowCloseButtonHint | Qt::WindowTitleHint), session_(session)
{
    setWindowTitle(QStringLiteral("Zentrel - Tutorial"));
    resize(200, 580);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    cxRichEdit1 = new platform::RichTextPane(this);
    cxRichEdit1->setReadOnly(false);
    layout->addWidget(cxRichEdit1);
}

void Ttutorial::FormCreate()
{
    cxRichEdit1->loadFile(session_.file(QStringLiteral("tutorial.rtf")));
}

} // namespace zentrel
