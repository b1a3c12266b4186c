#include "db/engine/FrenchText.h"

#include <QChar>
#include <array>

namespace db::french {

namespace {

// Base letters of U+00C0 to U+017F; an empty entry keeps the character (×, ÷).
struct BaseTable {
    std::array<const char*, 0x180 - 0xC0> bases{};

    BaseTable()
    {
        auto set = [this](char32_t first, char32_t last, const char* base) {
            for (char32_t c = first; c <= last; ++c)
                bases[c - 0xC0] = base;
        };
        set(0xC0, 0xC5, "a"), set(0xC6, 0xC6, "ae"), set(0xC7, 0xC7, "c"), set(0xC8, 0xCB, "e");
        set(0xCC, 0xCF, "i"), set(0xD0, 0xD0, "d"), set(0xD1, 0xD1, "n"), set(0xD2, 0xD6, "o");
        set(0xD8, 0xD8, "o"), set(0xD9, 0xDC, "u"), set(0xDD, 0xDD, "y"), set(0xDE, 0xDE, "th");
        set(0xDF, 0xDF, "ss");
        for (char32_t c = 0xE0; c <= 0xFE; ++c) {
            if (c != 0xF7)
                bases[c - 0xC0] = bases[c - 0x20 - 0xC0];
        }
        set(0xFF, 0xFF, "y");
        set(0x100, 0x105, "a"), set(0x106, 0x10D, "c"), set(0x10E, 0x111, "d"), set(0x112, 0x11B, "e");
        set(0x11C, 0x123, "g"), set(0x124, 0x127, "h"), set(0x128, 0x131, "i"), set(0x132, 0x133, "ij");
        set(0x134, 0x135, "j"), set(0x136, 0x138, "k"), set(0x139, 0x142, "l"), set(0x143, 0x14B, "n");
        set(0x14C, 0x151, "o"), set(0x152, 0x153, "oe"), set(0x154, 0x159, "r"), set(0x15A, 0x161, "s");
        set(0x162, 0x167, "t"), set(0x168, 0x173, "u"), set(0x174, 0x175, "w"), set(0x176, 0x178, "y");
        set(0x179, 0x17E, "z"), set(0x17F, 0x17F, "s");
    }
};

const BaseTable& baseTable()
{
    static const BaseTable table;
    return table;
}

inline char32_t asciiLower(char32_t c)
{
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

inline char32_t fold(char32_t c)
{
    if (c < 0x80)
        return asciiLower(c);
    if (c >= 0xDC80 && c <= 0xDCFF) // a stray byte, kept as it is
        return c;
    return QChar::toLower(c);
}

// Reads code points from UTF-8; a byte that does not start a valid sequence stands for itself
// (as U+DC80 to U+DCFF, which no valid text decodes to).
struct Utf8Cursor {
    const unsigned char* p;
    const unsigned char* end;

    bool atEnd() const { return p >= end; }
    char32_t next()
    {
        const unsigned char c = *p++;
        if (c < 0x80)
            return c;
        auto continuation = [this](qsizetype k) { return end - p > k && (p[k] & 0xC0) == 0x80; };
        if (c >= 0xC2 && c < 0xE0 && continuation(0)) {
            const char32_t cp = ((c & 0x1Fu) << 6) | (p[0] & 0x3Fu);
            p += 1;
            return cp;
        }
        if (c >= 0xE0 && c < 0xF0 && continuation(0) && continuation(1)) {
            const char32_t cp = ((c & 0x0Fu) << 12) | ((p[0] & 0x3Fu) << 6) | (p[1] & 0x3Fu);
            p += 2;
            return cp;
        }
        if (c >= 0xF0 && c < 0xF5 && continuation(0) && continuation(1) && continuation(2)) {
            const char32_t cp =
                ((c & 0x07u) << 18) | ((p[0] & 0x3Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            p += 3;
            return cp;
        }
        return 0xDC00 + c;
    }
};

struct Utf16Cursor {
    const QChar* p;
    const QChar* end;

    bool atEnd() const { return p >= end; }
    char32_t next()
    {
        const char16_t c = (p++)->unicode();
        if (QChar::isHighSurrogate(c) && p < end && p->isLowSurrogate())
            return QChar::surrogateToUcs4(c, (p++)->unicode());
        return c;
    }
};

// The first-level characters of a text: no case, no accents, ligatures spelt out.
template <class Cursor> class PrimaryStream {
  public:
    explicit PrimaryStream(Cursor cursor) : m_cursor(cursor) {}

    bool next(char32_t& out)
    {
        if (m_pending) {
            out = static_cast<unsigned char>(*m_pending++);
            if (!*m_pending)
                m_pending = nullptr;
            return true;
        }
        if (m_cursor.atEnd())
            return false;
        const char32_t c = m_cursor.next();
        if (c >= 0xC0 && c < 0x180) {
            if (const char* base = baseTable().bases[c - 0xC0]) {
                out = static_cast<unsigned char>(base[0]);
                if (base[1])
                    m_pending = base + 1;
                return true;
            }
        }
        out = fold(c);
        return true;
    }

  private:
    Cursor m_cursor;
    const char* m_pending = nullptr;
};

template <class Cursor> int primaryCompare(Cursor a, Cursor b)
{
    PrimaryStream<Cursor> left(a), right(b);
    for (;;) {
        char32_t x = 0, y = 0;
        const bool hasX = left.next(x);
        const bool hasY = right.next(y);
        if (!hasX || !hasY)
            return hasX ? 1 : (hasY ? -1 : 0);
        if (x != y)
            return x < y ? -1 : 1;
    }
}

template <class Cursor> int secondaryCompare(Cursor a, Cursor b)
{
    while (!a.atEnd() && !b.atEnd()) {
        const char32_t x = fold(a.next());
        const char32_t y = fold(b.next());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.atEnd() ? (b.atEnd() ? 0 : -1) : 1;
}

template <class Cursor> int compareFrom(Cursor a, Cursor b)
{
    const int primary = primaryCompare(a, b);
    return primary != 0 ? primary : secondaryCompare(a, b);
}

template <class Cursor> bool likeMatch(Cursor pattern, Cursor text, char32_t escape)
{
    Cursor star{nullptr, nullptr};
    Cursor starText{nullptr, nullptr};
    bool haveStar = false;
    for (;;) {
        if (!pattern.atEnd()) {
            Cursor afterPattern = pattern;
            char32_t p = afterPattern.next();
            if (p == '%' && escape != '%') {
                haveStar = true;
                star = afterPattern;
                starText = text;
                pattern = afterPattern;
                continue;
            }
            bool anyOne = p == '_' && escape != '_';
            if (escape && p == escape && !afterPattern.atEnd()) {
                p = afterPattern.next();
                anyOne = false;
            }
            if (!text.atEnd()) {
                Cursor afterText = text;
                const char32_t t = afterText.next();
                if (anyOne || fold(p) == fold(t)) {
                    pattern = afterPattern;
                    text = afterText;
                    continue;
                }
            }
        } else if (text.atEnd()) {
            return true;
        }
        if (!haveStar || starText.atEnd())
            return false;
        starText.next();
        text = starText;
        pattern = star;
    }
}

Utf8Cursor utf8(const char* text, qsizetype bytes)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(text);
    return {begin, begin + (text ? bytes : 0)};
}

Utf16Cursor utf16(const QString& text)
{
    return {text.constData(), text.constData() + text.size()};
}

} // namespace

int compare(const char* a, qsizetype aBytes, const char* b, qsizetype bBytes) noexcept
{
    // Plain ASCII is most of what is compared: case folding by table, one pass, no second level.
    const qsizetype common = std::min(aBytes, bBytes);
    qsizetype i = 0;
    for (; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if ((x | y) & 0x80)
            break;
        if (x != y) {
            const char32_t lx = asciiLower(x), ly = asciiLower(y);
            if (lx != ly)
                return lx < ly ? -1 : 1;
        }
    }
    if (i == common)
        return aBytes == bBytes ? 0 : (aBytes < bBytes ? -1 : 1);
    return compareFrom(utf8(a + i, aBytes - i), utf8(b + i, bBytes - i));
}

int compare(const QString& a, const QString& b) noexcept
{
    return compareFrom(utf16(a), utf16(b));
}

bool like(const char* pattern, qsizetype patternBytes, const char* text, qsizetype textBytes,
          char32_t escape) noexcept
{
    return likeMatch(utf8(pattern, patternBytes), utf8(text, textBytes), escape);
}

bool like(const QString& pattern, const QString& text, QChar escape) noexcept
{
    return likeMatch(utf16(pattern), utf16(text), escape.unicode());
}

QString foldedKey(const QString& text)
{
    QString key;
    key.reserve(text.size());
    PrimaryStream<Utf16Cursor> stream(utf16(text));
    char32_t c = 0;
    while (stream.next(c))
        key += QString::fromUcs4(&c, 1);
    return key;
}

} // namespace db::french
