#include "app/Win1252.h"

#include "app/AppError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace app::win1252 {

namespace {
// Code points of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && high[b - 0x80] != 0)
            *out++ = QChar(high[b - 0x80]);
        else
            *out++ = QChar(b);
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        // The five bytes the code page leaves undefined were read as the same code points: give them back.
        const bool undefinedByte = u >= 0x80 && u < 0xA0 && high[u - 0x80] == 0;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || undefinedByte) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i)
            if (high[i] == u && u != 0)
                mapped = static_cast<char>(0x80 + i);
        bytes.append(mapped);
    }
    return bytes;
}

QString readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decode(bytes);
}

void writeTextFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode(text)) < 0 || !file.commit())
        throw AppError(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(path, file.errorString()));
}

} // namespace app::win1252
