#include "platform/errorhandler.h"

#include <QWidget>
#include <exception>

#include "platform/messages.h"

namespace zentrel::platform {

ErrorHandlingApplication::ErrorHandlingApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ErrorHandlingApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        report(receiver, QString::fromUtf8(error.what()));
    } catch (...) {
        report(receiver, QStringLiteral("Unknown error"));
    }
    // The event reached its handler, which failed: treat it as handled so that nothing
    // else (a parent, a shortcut) acts on it a second time.
    return true;
}

void ErrorHandlingApplication::report(QObject* receiver, const QString& text)
{
    ++caught_;
    QWidget* parent = activeModalWidget();
    if (!parent) {
        if (auto* widget = qobject_cast<QWidget*>(receiver))
            parent = widget->window();
    }
    if (!parent)
        parent = activeWindow();
    Messages::current().show(parent, Messages::Kind::Error, text);
}

} // namespace zentrel::platform
