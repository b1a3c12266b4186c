#pragma once

#include <QString>
#include <QStringList>
#include <deque>

namespace app {

enum class MessageKind { Plain, Information, Warning, Error };

// Every message box and question goes through this interface: the program shows real dialogs,
// the command-line tool prints, tests script the answers and read the texts.
// Texts may hold "\r" for a line break, as the catalogue writes them.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual void message(MessageKind kind, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString& text) = 0;
};

UserDialogs& dialogs();
// Installs the dialogs used from now on (not owned); nullptr restores the console ones.
void setDialogs(UserDialogs* dialogs);

// Prints messages on stderr and answers No to every question.
class ConsoleDialogs : public UserDialogs {
public:
    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
};

// Records what was shown and answers from a queue (No once the queue is empty).
class ScriptedDialogs : public UserDialogs {
public:
    struct Shown {
        MessageKind kind;
        QString text;
        bool question;
    };
    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    const std::deque<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); m_answers.clear(); }

private:
    std::deque<Shown> m_shown;
    std::deque<bool> m_answers;
};

} // namespace app
