#pragma once
// A button drawn entirely by four pictures: normal, up (just released, or focused), hover and
// pressed. Its size is the picture's.
#include <QAbstractButton>
#include <QPixmap>

namespace zentrel::platform {

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class State { Normal, Up, Hover, Down };

    explicit ImageButton(QWidget* parent = nullptr);

    // A null picture falls back to the normal one. Fixes the size to the normal picture's.
    void setPictures(const QPixmap& normal, const QPixmap& up, const QPixmap& hover,
                     const QPixmap& down);
    // Loads folder/stem_normal.png, _up.png, _hover.png and _down.png; false (and nothing
    // changed) when one of them cannot be read.
    bool loadPictures(const QString& folder, const QString& stem);

    State state() const;
    const QPixmap& picture(State state) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHovered(bool hovered);

    QPixmap pictures_[4];
    bool hovered_ = false;
    bool released_ = false; // released over the button and not left since
};

} // namespace zentrel::platform
