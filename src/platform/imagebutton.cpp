#include "platform/imagebutton.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>

namespace zentrel::platform {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent)
{
    setMouseTracking(true); // hover follows the pointer even where no enter event arrives
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::setPictures(const QPixmap& normal, const QPixmap& up, const QPixmap& hover,
                              const QPixmap& down)
{
    pictures_[int(State::Normal)] = normal;
    pictures_[int(State::Up)] = up;
    pictures_[int(State::Hover)] = hover;
    pictures_[int(State::Down)] = down;
    if (!normal.isNull())
        setFixedSize(normal.deviceIndependentSize().toSize());
    update();
}

bool ImageButton::loadPictures(const QString& folder, const QString& stem)
{
    static const char* const suffixes[] = {"_normal.png", "_up.png", "_hover.png", "_down.png"};
    QPixmap loaded[4];
    const QDir dir(folder);
    for (int i = 0; i < 4; ++i) {
        if (!loaded[i].load(dir.filePath(stem + QLatin1String(suffixes[i]))))
            return false;
    }
    setPictures(loaded[0], loaded[1], loaded[2], loaded[3]);
    return true;
}

ImageButton::State ImageButton::state() const
{
    if (isDown())
        return State::Down;
    if (released_)
        return State::Up;
    if (hovered_)
        return State::Hover;
    if (hasFocus())
        return State::Up;
    return State::Normal;
}

const QPixmap& ImageButton::picture(State s) const
{
    const QPixmap& p = pictures_[int(s)];
    return p.isNull() ? pictures_[int(State::Normal)] : p;
}

QSize ImageButton::sizeHint() const
{
    const QPixmap& p = pictures_[int(State::Normal)];
    return p.isNull() ? QSize(16, 16) : p.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    const QPixmap& p = picture(state());
    if (p.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, p);
}

void ImageButton::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event)
{
    released_ = false;
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (!inside)
        released_ = false;
    setHovered(inside);
    QAbstractButton::mouseMoveEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    released_ = false;
    QAbstractButton::mousePressEvent(event);
    update();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    released_ = inside && event->button() == Qt::LeftButton;
    hovered_ = inside;
    update();
    // Last: clicked() may close and destroy the window this button sits on.
    QAbstractButton::mouseReleaseEvent(event);
}

void ImageButton::setHovered(bool hovered)
{
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    update();
}

} // namespace zentrel::platform
