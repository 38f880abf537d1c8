#include "platform/messages.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace zentrel::platform {

namespace {

Messages* installed = nullptr;

QString title()
{
    return QGuiApplication::applicationDisplayName();
}

} // namespace

Messages::~Messages() = default;

Messages& Messages::current()
{
    static MessageBoxes boxes;
    return installed ? *installed : boxes;
}

void Messages::install(Messages* messages)
{
    installed = messages;
}

void MessageBoxes::show(QWidget* parent, Kind kind, const QString& text)
{
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parent, title(), text);
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, title(), text);
        break;
    case Kind::Error:
        QMessageBox::critical(parent, title(), text);
        break;
    case Kind::Question:
        QMessageBox::question(parent, title(), text, QMessageBox::StandardButtons(QMessageBox::Ok));
        break;
    }
}

bool MessageBoxes::askYesNo(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, title(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

ScriptedMessages::ScriptedMessages() : previous_(installed)
{
    install(this);
}

ScriptedMessages::~ScriptedMessages()
{
    if (installed == this)
        install(previous_);
}

void ScriptedMessages::show(QWidget*, Kind kind, const QString& text)
{
    shown_.push_back({kind, text});
}

bool ScriptedMessages::askYesNo(QWidget*, const QString& text)
{
    shown_.push_back({Kind::Question, text});
    if (answers_.empty()) {
        ++unanswered_;
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

QStringList ScriptedMessages::texts() const
{
    QStringList list;
    for (const Shown& s : shown_)
        list << s.text;
    return list;
}

void ScriptedMessages::clear()
{
    shown_.clear();
    answers_.clear();
    unanswered_ = 0;
}

void showInfo(QWidget* parent, const QString& text)
{
    Messages::current().show(parent, Messages::Kind::Information, text);
}

void showError(QWidget* parent, const QString& text)
{
    Messages::current().show(parent, Messages::Kind::Error, text);
}

bool askYesNo(QWidget* parent, const QString& text)
{
    return Messages::current().askYesNo(parent, text);
}

} // namespace zentrel::platform
