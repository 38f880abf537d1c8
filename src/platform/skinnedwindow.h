#pragma once
// The skinned, borderless look of the main window and every dialog: a picture drawn behind the
// children, the window cut to the picture's shape by its top-left pixel colour, and moved by a
// left press on any free spot of its surface.
#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <optional>

#include "platform/imagebutton.h"

class QLabel;

namespace zentrel::platform {

// Reads a skin picture. Throws zentrel::IoError("File not found") when the file is missing or
// cannot be read as a picture.
QImage loadSkinPicture(const QString& path);

// The part of the picture whose pixels differ from the top-left pixel. Pixels of that colour are
// cut wherever they are, inside the picture too. Built band by band from horizontal runs.
QRegion maskFromKeyColour(const QImage& picture);

// The skin of one window: paints its picture, shapes and drags the window. Owned by the window.
class Skin : public QObject {
    Q_OBJECT
public:
    // The window's skin, made on first use.
    static Skin* of(QWidget* window);

    // Draws the picture at (0, 0) behind the children and sets the window's mask from it. The
    // window keeps its size. A null picture clears the mask.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // True while a press on free surface moves the window by hand (the window system declined).
    bool isDragging() const { return dragging_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Skin(QWidget* window);
    bool startDrag(const QPointF& globalPos);

    QWidget* window_;
    QImage picture_;
    QPixmap pixmap_;
    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint startPos_;
};

// Skin::of(window)->setPicture(picture).
void applySkin(QWidget* window, const QImage& picture);

// The built-in close-box pictures (21 x 20), used until a dialog loads its own.
QPixmap closeBoxPicture(ImageButton::State state);

// A borderless modal dialog wearing the skin: fixed client size, centred on its parent, a title at
// (17, 18), an optional close box and a slot for the read-only help pane.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize closeBoxSize{21, 20};

    // Without closeBoxPos the dialog has no close box.
    SkinnedDialog(QWidget* parent, QSize clientSize,
                  std::optional<QPoint> closeBoxPos = std::nullopt);

    void setTitle(const QString& title);
    QString title() const;
    QLabel* titleLabel() const { return title_; }
    ImageButton* closeBox() const { return closeBox_; }

    // loadSkinPicture(path), then the skin. Throws IoError, leaving the dialog as it was.
    void applySkinPicture(const QString& path);
    void setSkinPicture(const QImage& picture);

    // Places the help pane (made by the dialog) at geometry; a previous pane is destroyed.
    void setHelpPane(QWidget* pane, const QRect& geometry);
    QWidget* helpPane() const { return helpPane_; }

    // Centres the dialog on its parent's window; done when made and when first shown.
    void centreOnParent();

protected:
    // The close box's click; closes the dialog without any change by default.
    virtual void closeBoxClicked();
    void showEvent(QShowEvent* event) override;

private:
    QLabel* title_;
    ImageButton* closeBox_ = nullptr;
    QWidget* helpPane_ = nullptr;
    bool shown_ = false;
};

} // namespace zentrel::platform
