#include "dialogs/about_form.h"

#include "app/life_chart_in.h"
#include "app/session.h"
#include "platform/hotlinklabel.h"
#include "platform/messages.h"

#include <QLabel>

namespace zentrel {

Tztl_about::Tztl_about(Session& session, QWidget* parent)
    : SkinnedDialog(parent, QSize(343, 220), QPoint(307, 17))
{
    setTitle(QStringLiteral("About"));

    Label1 = new QLabel(QStringLiteral("Zentrel"), this);
    QFont big(QStringLiteral("Verdana"));
    big.setStyleHint(QFont::SansSerif);
    big.setPixelSize(29);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setStyleSheet(QStringLiteral("color: rgb(74,74,74); background: transparent;"));
    Label1->move(24, 56);
    Label1->adjustSize();

    Label3 = new QLabel(QStringLiteral("Version " ZENTREL_VERSION), this);
    Label3->setStyleSheet(QStringLiteral("background: transparent;"));
    Label3->move(87, 95);
    Label3->adjustSize();

    auto* panel = new QWidget(this);
    panel->setGeometry(12, 180, 325, 25);
    JvLabel1 = new platform::HotLinkLabel(QString::fromLatin1(kMakerAddress).remove(QStringLiteral("https://")),
                                          QString::fromLatin1(kMakerAddress), panel);
    JvLabel1->setColours(QColor(88, 80, 63), QColor(0, 128, 0));
    QFont bold = JvLabel1->font();
    bold.setBold(true);
    JvLabel1->setFont(bold);
    JvLabel1->setGeometry(0, 0, 325, 25);
    JvLabel1->setAlignment(Qt::AlignCenter);

    try {
        applySkinPicture(session.file(QStringLiteral("dialog_about.gif")));
    } catch (const std::exception& e) {
        platform::showError(this, QString::fromUtf8(e.what()));
    }
}

} // namespace zentrel
