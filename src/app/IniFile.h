#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace app {

// An ini file read and written the way the Windows profile functions do it, so that files made by the
// Windows program read the same: Windows-1252 text, CR LF lines, section and key names compared without
// regard to case, values trimmed, a value between a pair of quotes read without them, and "#", ";" and "\"
// inside a value kept as they are. Lines it does not understand are kept unchanged on save, and edits
// keep the file's order.
class IniFile {
  public:
    IniFile() = default;
    // Reads the file when it exists; a missing or unreadable file gives an empty one. An unreadable file
    // is never written over (save throws), so that what it holds is not lost.
    explicit IniFile(const QString& path);

    // Replaces the content by the given text (lines split at CR LF, LF or CR).
    void parse(const QString& text);
    // The content as written on save: every line followed by CR LF.
    QString text() const;
    // Writes atomically through a temporary file; throws AppError when the file cannot be written.
    void save(const QString& path) const;

    bool contains(const QString& section, const QString& key) const;
    bool containsSection(const QString& section) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    // Decimal number with an optional sign; anything else gives the default.
    int intValue(const QString& section, const QString& key, int defaultValue) const;
    // True for any non-zero number, as a number read with the default "1" or "0".
    bool boolValue(const QString& section, const QString& key, bool defaultValue) const;

    // Replaces the first line that holds the key, else adds the key at the end of its section, else adds
    // the section at the end of the file.
    void setValue(const QString& section, const QString& key, const QString& value);
    void setInt(const QString& section, const QString& key, int value);
    void setBool(const QString& section, const QString& key, bool value);
    // Removes every line of the key in the sections of that name; true when one was there.
    bool remove(const QString& section, const QString& key);

    QStringList sections() const;
    QStringList keys(const QString& section) const;

  private:
    struct Line {
        QString text;    // the line as it stands in the file
        QString section; // section header: its name; otherwise the section the line belongs to
        QString key;     // key line: its trimmed key; empty for anything else
        bool header = false;
    };
    static Line parseLine(const QString& text, const QString& currentSection);
    static QString valueOf(const Line& line);
    static QString encodeValue(const QString& value);
    int find(const QString& section, const QString& key) const;

    QVector<Line> m_lines;
    QString m_unreadablePath;
};

} // namespace app
