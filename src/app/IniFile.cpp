#include "app/IniFile.h"

#include "app/AppError.h"
#include "app/Win1252.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace app {

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isQuote(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

} // namespace

IniFile::IniFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return;
    try {
        parse(win1252::readTextFile(path));
    } catch (const AppError&) {
        // An unreadable file reads as an empty one, as the profile functions answer.
        m_lines.clear();
        m_unreadablePath = QFileInfo(path).absoluteFilePath();
    }
}

IniFile::Line IniFile::parseLine(const QString& text, const QString& currentSection) {
    Line line;
    line.text = text;
    line.section = currentSection;
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        int end = trimmed.indexOf(QLatin1Char(']'));
        if (end < 0)
            end = trimmed.size();
        line.header = true;
        line.section = trimmed.mid(1, end - 1).trimmed();
        return line;
    }
    if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return line;
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals > 0)
        line.key = text.left(equals).trimmed();
    return line;
}

void IniFile::parse(const QString& text) {
    m_lines.clear();
    QStringList rows = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    QString section;
    for (const QString& row : rows) {
        Line line = parseLine(row, section);
        section = line.section;
        m_lines.append(line);
    }
}

QString IniFile::text() const {
    QString result;
    for (const Line& line : m_lines)
        result += line.text + QStringLiteral("\r\n");
    return result;
}

void IniFile::save(const QString& path) const {
    if (!m_unreadablePath.isEmpty() && QFileInfo(path).absoluteFilePath() == m_unreadablePath)
        throw AppError(QStringLiteral("Le fichier « %1 » n'a pas pu être lu : il n'est pas réécrit, pour que rien "
                                      "de son contenu ne soit perdu.")
                           .arg(path));
    win1252::writeTextFile(path, text());
}

QString IniFile::valueOf(const Line& line) {
    QString value = line.text.mid(line.text.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

QString IniFile::encodeValue(const QString& value) {
    // A line break in a value would start a new line of the file, and with it a key or a section.
    QString text = value;
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // Quotes keep what reading would otherwise trim or strip.
    const bool quoted = text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
    if (quoted || text != text.trimmed())
        text = QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

int IniFile::find(const QString& section, const QString& key) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (!line.header && !line.key.isEmpty() && sameName(line.section, section) && sameName(line.key, key))
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return find(section, key) >= 0;
}

bool IniFile::containsSection(const QString& section) const {
    for (const Line& line : m_lines)
        if (line.header && sameName(line.section, section))
            return true;
    return false;
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const {
    const int index = find(section, key);
    return index < 0 ? defaultValue : valueOf(m_lines[index]);
}

int IniFile::intValue(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int number = value(section, key).toInt(&ok, 10);
    return ok ? number : defaultValue;
}

bool IniFile::boolValue(const QString& section, const QString& key, bool defaultValue) const {
    return intValue(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QString encoded = encodeValue(value);
    const int index = find(section, key);
    if (index >= 0) {
        Line& line = m_lines[index];
        if (valueOf(line) != value)
            line.text = line.key + QLatin1Char('=') + encoded;
        return;
    }
    Line added;
    added.section = section;
    added.key = key.trimmed();
    added.text = added.key + QLatin1Char('=') + encoded;

    int header = -1;
    for (int i = 0; i < m_lines.size() && header < 0; ++i)
        if (m_lines[i].header && sameName(m_lines[i].section, section))
            header = i;
    if (header >= 0) {
        added.section = m_lines[header].section;
        int last = header;
        for (int i = header + 1; i < m_lines.size() && !m_lines[i].header; ++i)
            if (!m_lines[i].text.trimmed().isEmpty())
                last = i;
        m_lines.insert(last + 1, added);
        return;
    }
    if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
        m_lines.append(parseLine(QString(), m_lines.last().section));
    Line title;
    title.header = true;
    title.section = section;
    title.text = QLatin1Char('[') + section + QLatin1Char(']');
    m_lines.append(title);
    m_lines.append(added);
}

void IniFile::setInt(const QString& section, const QString& key, int value) {
    setValue(section, key, QString::number(value));
}

void IniFile::setBool(const QString& section, const QString& key, bool value) {
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::remove(const QString& section, const QString& key) {
    bool removed = false;
    for (int index = find(section, key); index >= 0; index = find(section, key)) {
        m_lines.removeAt(index);
        removed = true;
    }
    return removed;
}

QStringList IniFile::sections() const {
    QStringList names;
    for (const Line& line : m_lines)
        if (line.header && !names.contains(line.section, Qt::CaseInsensitive))
            names.append(line.section);
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    for (const Line& line : m_lines)
        if (!line.header && !line.key.isEmpty() && sameName(line.section, section) &&
            !names.contains(line.key, Qt::CaseInsensitive))
            names.append(line.key);
    return names;
}

} // namespace app
