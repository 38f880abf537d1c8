#include "platform/hotlinklabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace zentrel::platform {

HotLinkLabel::HotLinkLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    paintColour(normal_);
}

HotLinkLabel::HotLinkLabel(const QString& text, const QString& address, QWidget* parent)
    : HotLinkLabel(parent)
{
    setText(text);
    address_ = address;
}

HotLinkLabel::Opener& HotLinkLabel::opener()
{
    static Opener open = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return open;
}

void HotLinkLabel::setColours(const QColor& normal, const QColor& hover)
{
    normal_ = normal;
    hover_ = hover;
    paintColour(hovered_ ? hover_ : normal_);
}

void HotLinkLabel::paintColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void HotLinkLabel::setHovered(bool hovered)
{
    hovered_ = hovered;
    paintColour(hovered ? hover_ : normal_);
}

void HotLinkLabel::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QLabel::enterEvent(event);
}

void HotLinkLabel::leaveEvent(QEvent* event)
{
    setHovered(false);
    QLabel::leaveEvent(event);
}

void HotLinkLabel::mousePressEvent(QMouseEvent* event)
{
    // Accepted, so the press does not reach a skinned window and start moving it.
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HotLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (!click || address_.isEmpty())
        return;
    const QUrl url = QUrl::fromUserInput(address_);
    const bool ok = opener() ? opener()(url) : false;
    emit opened(url, ok);
}

} // namespace zentrel::platform
