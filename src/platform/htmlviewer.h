#pragma once
// The embedded HTML viewer: shows the welcome page and the chart pages written beside the
// program. Pages carry no charset and are Windows-1252; they need no script and no network.
#include <QString>
#include <QWebEngineView>

class QWebEngineProfile;

namespace zentrel::platform {

class HtmlViewer : public QWebEngineView {
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget* parent = nullptr);

    // Loads a local file as an HTML document. Throws IoError("File not found") when it is
    // missing, and the page shown stays.
    void loadFile(const QString& path);
    QString currentFile() const { return file_; }
    bool isLoading() const { return loading_; }

    // The style that draws the chart's group rule (a one-pixel black table row) as a line.
    static QString ruleStyleSheet();

signals:
    void pageLoaded(bool ok);

private:
    QWebEngineProfile* profile_;
    QString file_;
    bool loading_ = false;
};

} // namespace zentrel::platform
