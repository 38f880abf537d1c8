#pragma once
// The application's general error handler: an error escaping any event handler (a file error,
// for one) is shown in an error message and the program goes on; the failed handler simply
// stops at that step.
#include <QApplication>

namespace zentrel::platform {

class ErrorHandlingApplication : public QApplication {
    Q_OBJECT
public:
    ErrorHandlingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Errors caught so far in this run.
    int caughtErrors() const { return caught_; }

private:
    void report(QObject* receiver, const QString& text);

    int caught_ = 0;
};

} // namespace zentrel::platform
