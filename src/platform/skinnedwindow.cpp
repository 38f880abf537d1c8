#include "platform/skinnedwindow.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <utility>
#include <vector>

#include "chart/error.h"
#include "platform/flatstyle.h"

namespace zentrel::platform {

QImage loadSkinPicture(const QString& path)
{
    QImage picture;
    if (!QFileInfo(path).isFile() || !picture.load(path))
        throw IoError("File not found");
    return picture;
}

QRegion maskFromKeyColour(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const QRgb key = image.pixel(0, 0);

    // Scan lines with the same runs are merged into one band: the region stays small and
    // setRects gets rectangles in the banded order it requires.
    using Runs = std::vector<std::pair<int, int>>; // [begin, end) columns
    std::vector<QRect> rects;
    Runs band, line;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const auto& [begin, end] : band)
            rects.emplace_back(begin, bandTop, end - begin, bottom - bandTop);
    };
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        line.clear();
        for (int x = 0; x < width;) {
            if (pixels[x] == key) {
                ++x;
                continue;
            }
            const int begin = x;
            while (x < width && pixels[x] != key)
                ++x;
            line.emplace_back(begin, x);
        }
        if (y == 0 || line != band) {
            closeBand(y);
            band.swap(line);
            bandTop = y;
        }
    }
    closeBand(height);

    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

Skin::Skin(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

Skin* Skin::of(QWidget* window)
{
    if (auto* skin = window->findChild<Skin*>(QString(), Qt::FindDirectChildrenOnly))
        return skin;
    return new Skin(window);
}

void Skin::setPicture(const QImage& picture)
{
    picture_ = picture;
    pixmap_ = picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
    if (picture.isNull())
        window_->clearMask();
    else
        window_->setMask(maskFromKeyColour(picture));
    window_->update();
}

bool Skin::startDrag(const QPointF& globalPos)
{
    QWidget* top = window_->window();
    if (QWindow* handle = top->windowHandle(); handle && handle->startSystemMove())
        return true;
    // The window system cannot move it (offscreen, some compositors): follow the pointer ourselves.
    dragging_ = true;
    pressGlobal_ = globalPos.toPoint();
    startPos_ = top->pos();
    return true;
}

bool Skin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        // Runs inside the window's own paint event, before its paintEvent and its children.
        if (!pixmap_.isNull()) {
            QPainter painter(window_);
            painter.setClipRegion(static_cast<QPaintEvent*>(event)->region());
            painter.drawPixmap(0, 0, pixmap_);
        }
        return false;
    case QEvent::MouseButtonPress: {
        // Only presses that no child took arrive here: the free surface.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        return startDrag(mouse->globalPosition());
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_)
            return false;
        if (!(mouse->buttons() & Qt::LeftButton)) {
            dragging_ = false;
            return false;
        }
        window_->window()->move(startPos_ + mouse->globalPosition().toPoint() - pressGlobal_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (dragging_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            dragging_ = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void applySkin(QWidget* window, const QImage& picture)
{
    Skin::of(window)->setPicture(picture);
}

QPixmap closeBoxPicture(ImageButton::State state)
{
    using State = ImageButton::State;
    const QSize size = SkinnedDialog::closeBoxSize;
    QPixmap pixmap(size);
    const bool down = state == State::Down;
    pixmap.fill(QColor(down ? flat::buttonPressed : flat::buttonFace));

    QPainter painter(&pixmap);
    const QRect box(0, 0, size.width() - 1, size.height() - 1);
    painter.setPen(QColor(state == State::Normal ? flat::buttonBorder : flat::buttonShadow));
    painter.drawRect(box);
    if (state != State::Normal) {
        // Bevel: light above and left, dark below and right; inverted while pressed.
        const QColor light(flat::buttonHighlight), dark(flat::buttonShadow);
        painter.setPen(down ? dark : light);
        painter.drawLine(1, 1, box.right() - 1, 1);
        painter.drawLine(1, 1, 1, box.bottom() - 1);
        painter.setPen(down ? light : dark);
        painter.drawLine(1, box.bottom() - 1, box.right() - 1, box.bottom() - 1);
        painter.drawLine(box.right() - 1, 1, box.right() - 1, box.bottom() - 1);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QPen cross(QColor(state == State::Hover ? flat::titleColour : flat::buttonShadow), 2);
    cross.setCapStyle(Qt::RoundCap);
    painter.setPen(cross);
    const QPointF centre = QRectF(box).center() + QPointF(down ? 1 : 0, down ? 1 : 0);
    const qreal arm = 4;
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    return pixmap;
}

SkinnedDialog::SkinnedDialog(QWidget* parent, QSize clientSize, std::optional<QPoint> closeBoxPos)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), title_(new QLabel(this))
{
    applyFlatStyle(this);
    setFixedSize(clientSize);

    title_->setFont(titleFont());
    title_->setStyleSheet(QStringLiteral("color: rgb(%1,%2,%3); background: transparent;")
                              .arg(qRed(flat::titleColour))
                              .arg(qGreen(flat::titleColour))
                              .arg(qBlue(flat::titleColour)));
    title_->move(17, 18);

    if (closeBoxPos) {
        using State = ImageButton::State;
        closeBox_ = new ImageButton(this);
        closeBox_->setPictures(closeBoxPicture(State::Normal), closeBoxPicture(State::Up),
                               closeBoxPicture(State::Hover), closeBoxPicture(State::Down));
        closeBox_->move(*closeBoxPos);
        connect(closeBox_, &QAbstractButton::clicked, this, [this] { closeBoxClicked(); });
    }
    Skin::of(this); // draggable even before (or without) a picture
    centreOnParent();
}

void SkinnedDialog::setTitle(const QString& title)
{
    title_->setText(title);
    title_->adjustSize();
}

QString SkinnedDialog::title() const
{
    return title_->text();
}

void SkinnedDialog::applySkinPicture(const QString& path)
{
    setSkinPicture(loadSkinPicture(path));
}

void SkinnedDialog::setSkinPicture(const QImage& picture)
{
    applySkin(this, picture);
}

void SkinnedDialog::setHelpPane(QWidget* pane, const QRect& geometry)
{
    if (helpPane_ && helpPane_ != pane)
        delete helpPane_;
    helpPane_ = pane;
    if (!pane)
        return;
    pane->setParent(this);
    pane->setGeometry(geometry);
    pane->show();
}

void SkinnedDialog::centreOnParent()
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return;
    const QRect area = parent->window()->frameGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void SkinnedDialog::closeBoxClicked()
{
    reject();
}

void SkinnedDialog::showEvent(QShowEvent* event)
{
    // The parent may have moved between making the dialog and showing it.
    if (!shown_) {
        shown_ = true;
        centreOnParent();
    }
    QDialog::showEvent(event);
}

} // namespace zentrel::platform
