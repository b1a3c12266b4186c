#include "app/UserDialogs.h"

#include <cstdio>

namespace app {

namespace {
ConsoleDialogs consoleDialogs;
UserDialogs* current = &consoleDialogs;
} // namespace

UserDialogs& dialogs() { return *current; }

void setDialogs(UserDialogs* dialogs) { current = dialogs ? dialogs : &consoleDialogs; }

void ConsoleDialogs::message(MessageKind, const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s\n", shown.toUtf8().constData());
}

bool ConsoleDialogs::confirm(const QString& text)
{
    message(MessageKind::Plain, text + QStringLiteral(" -> Non"));
    return false;
}

void ScriptedDialogs::message(MessageKind kind, const QString& text) { m_shown.push_back({kind, text, false}); }

bool ScriptedDialogs::confirm(const QString& text)
{
    m_shown.push_back({MessageKind::Plain, text, true});
    if (m_answers.empty())
        return false;
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const Shown& s : m_shown)
        list << s.text;
    return list;
}

} // namespace app
