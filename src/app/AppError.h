#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace app {

// The one exception type of the logic layers: it carries the French text shown to the user.
class AppError : public std::exception {
public:
    explicit AppError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

} // namespace app
