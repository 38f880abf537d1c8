#pragma once
// The one way the program shows message boxes and asks Yes/No, so that tests can answer and
// read what was shown without a blocking box.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace zentrel::platform {

class Messages {
public:
    enum class Kind { Information, Warning, Error, Question };

    virtual ~Messages();
    virtual void show(QWidget* parent, Kind kind, const QString& text) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;

    // The installed messages, or the message boxes when none is.
    static Messages& current();
    // Not owned; nullptr brings back the message boxes.
    static void install(Messages* messages);
};

// Modal QMessageBox titled with the application's name; Yes/No questions default to Yes.
class MessageBoxes : public Messages {
public:
    void show(QWidget* parent, Kind kind, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
};

// Records what is shown and answers questions from a queue. Installs itself while it lives and
// then puts back what was installed before.
class ScriptedMessages : public Messages {
public:
    struct Shown {
        Kind kind;
        QString text;
        bool operator==(const Shown&) const = default;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void show(QWidget* parent, Kind kind, const QString& text) override;
    // Records the question as Kind::Question; answers No when the queue is empty and counts it.
    bool askYesNo(QWidget* parent, const QString& text) override;

    void answer(bool yes) { answers_.push_back(yes); }
    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    int unanswered() const { return unanswered_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    void clear();

private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
    int unanswered_ = 0;
    Messages* previous_;
};

void showInfo(QWidget* parent, const QString& text);
void showError(QWidget* parent, const QString& text);
bool askYesNo(QWidget* parent, const QString& text);

} // namespace zentrel::platform
