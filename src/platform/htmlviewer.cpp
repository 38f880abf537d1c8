#include "platform/htmlviewer.h"

#include "chart/error.h"

#include <QFileInfo>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace zentrel::platform {

QString HtmlViewer::ruleStyleSheet()
{
    // The rule row is an empty 1 px cell with bgcolor=black between white cell borders, which
    // a browser shows as a white gap. The page's bytes stay as written; only the view changes.
    return QStringLiteral("td[bgcolor=\"black\" i]{background:#000!important;border:0!important;"
                          "height:1px!important;padding:0!important;font-size:0;line-height:0}");
}

HtmlViewer::HtmlViewer(QWidget* parent)
    : QWebEngineView(parent), profile_(new QWebEngineProfile(this)) // off the record: nothing on disk
{
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    auto* page = new QWebEnginePage(profile_, this);
    setPage(page);
    QWebEngineSettings* s = page->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    s->setFontFamily(QWebEngineSettings::StandardFont, QStringLiteral("Times New Roman"));
    s->setFontFamily(QWebEngineSettings::SerifFont, QStringLiteral("Times New Roman"));
    s->setFontFamily(QWebEngineSettings::SansSerifFont, QStringLiteral("Arial"));
    s->setFontFamily(QWebEngineSettings::FixedFont, QStringLiteral("Courier New"));

    // User scripts run in their own world even with page scripts off.
    QWebEngineScript style;
    style.setName(QStringLiteral("zentrel-rule-style"));
    style.setInjectionPoint(QWebEngineScript::DocumentReady);
    style.setWorldId(QWebEngineScript::ApplicationWorld);
    style.setSourceCode(QStringLiteral("(function(){var s=document.createElement('style');s.textContent='%1';"
                                       "(document.head||document.documentElement).appendChild(s);})();")
                            .arg(ruleStyleSheet()));
    page->scripts().insert(style);

    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        loading_ = false;
        this->page()->history()->clear();
        emit pageLoaded(ok);
    });
}

void HtmlViewer::loadFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw IoError("File not found");
    file_ = info.absoluteFilePath();
    loading_ = true;
    load(QUrl::fromLocalFile(file_));
}

} // namespace zentrel::platform
