#pragma once
// A label that opens its address in the default browser (or mail program) when clicked, and
// changes colour while the mouse is over it.
#include <QColor>
#include <QLabel>
#include <QUrl>
#include <functional>

namespace zentrel::platform {

class HotLinkLabel : public QLabel {
    Q_OBJECT
public:
    using Opener = std::function<bool(const QUrl&)>;

    explicit HotLinkLabel(QWidget* parent = nullptr);
    HotLinkLabel(const QString& text, const QString& address, QWidget* parent = nullptr);

    void setAddress(const QString& address) { address_ = address; }
    QString address() const { return address_; }

    void setColours(const QColor& normal, const QColor& hover);
    QColor normalColour() const { return normal_; }
    QColor hoverColour() const { return hover_; }
    bool isHovered() const { return hovered_; }

    // What opens the address: QDesktopServices::openUrl unless a test puts its own here.
    static Opener& opener();

signals:
    void opened(const QUrl& url, bool succeeded);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHovered(bool hovered);
    void paintColour(const QColor& colour);

    QString address_;
    QColor normal_ = Qt::black;
    QColor hover_ = Qt::black;
    bool hovered_ = false;
    bool pressed_ = false;
};

} // namespace zentrel::platform
