#include "db/engine/FrenchText.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

int sign(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// The UTF-8 and UTF-16 forms must agree, whatever the order of the arguments.
int compareBoth(const QString& a, const QString& b)
{
    const QByteArray x = a.toUtf8(), y = b.toUtf8();
    const int utf8 = sign(db::french::compare(x.constData(), x.size(), y.constData(), y.size()));
    const int reverse = sign(db::french::compare(y.constData(), y.size(), x.constData(), x.size()));
    EXPECT_EQ(utf8, sign(db::french::compare(a, b))) << a.toStdString() << " / " << b.toStdString();
    EXPECT_EQ(utf8, -reverse) << a.toStdString() << " / " << b.toStdString();
    return utf8;
}

} // namespace

TEST(FrenchCompare, IgnoresCaseAndBreaksTiesOnAccents)
{
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"ÉLISE", "élise", 0},
        {"Elise", "ELISE", 0},
        {"abc", "ABC", 0},
        {"Eric", "Éric", -1},
        {"Éric", "Erica", -1},
        {"Erica", "Zoé", -1},
        {"eric", "Éric", -1},
        {"Zoé", "zoe", 1},
        {"été", "ete", 1},
        {"cote", "côte", -1},
        {"côte", "Coté", 1},
        {"Çà", "ca", 1},
        {"ça", "cb", -1},
        {"Œuvre", "oeuvre", 1},
        {"œuvre", "oeuvrf", -1},
        {"Œuvre", "ŒUVRE", 0},
        {"Ærø", "aero", 1},
        {"straße", "strasse", 1},
        {"strasse", "STRASSF", -1},
        {"Łódź", "lodz", 1},
        {"Łódź", "lodzz", -1},
        {"", "", 0},
        {"", "a", -1},
        {"a", "a ", -1},
        {"a b", "ab", -1},
        {"10", "9", -1},
        {"Dupont", "dupont-Martin", -1},
        {"Ÿvonne", "yvonne", 1},
        {"ÿvonne", "Ÿvonne", 0},
        {"Αθήνα", "αθήνα", 0},
        {"ÉCOLE", "ecole", 1},
        {"Ecole", "école", -1},
        {"école", "ecolier", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(compareBoth(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.expected)
            << c.a << " / " << c.b;
}

TEST(FrenchCompare, SortsAFrenchListAsAReaderExpects)
{
    QStringList names = {QStringLiteral("Zoé"),    QStringLiteral("élise"),  QStringLiteral("Erica"),
                         QStringLiteral("Éric"),   QStringLiteral("Eric"),   QStringLiteral("ÉLISE"),
                         QStringLiteral("André"),  QStringLiteral("andre"),  QStringLiteral("Œdipe"),
                         QStringLiteral("Oscar"),  QStringLiteral("Çedric"), QStringLiteral("Cedric"),
                         QStringLiteral("Bernard")};
    std::stable_sort(names.begin(), names.end(), db::french::lessThan);
    const QStringList expected = {
        QStringLiteral("andre"),  QStringLiteral("André"),  QStringLiteral("Bernard"),
        QStringLiteral("Cedric"), QStringLiteral("Çedric"), QStringLiteral("élise"),
        QStringLiteral("ÉLISE"),  QStringLiteral("Eric"),   QStringLiteral("Éric"),
        QStringLiteral("Erica"),  QStringLiteral("Œdipe"),  QStringLiteral("Oscar"),
        QStringLiteral("Zoé")};
    EXPECT_EQ(names, expected);
}

TEST(FrenchCompare, OrdersBytesThatAreNotUtf8Consistently)
{
    const QByteArray bad1("caf\xe9", 4), bad2("caf\xe8", 4), good = QStringLiteral("café").toUtf8();
    using db::french::compare;
    EXPECT_EQ(compare(bad1.constData(), bad1.size(), bad1.constData(), bad1.size()), 0);
    EXPECT_NE(compare(bad1.constData(), bad1.size(), bad2.constData(), bad2.size()), 0);
    EXPECT_EQ(sign(compare(bad1.constData(), bad1.size(), bad2.constData(), bad2.size())),
              -sign(compare(bad2.constData(), bad2.size(), bad1.constData(), bad1.size())));
    EXPECT_NE(compare(bad1.constData(), bad1.size(), good.constData(), good.size()), 0);
    // A truncated sequence at the very end does not read past it.
    const QByteArray cut("caf\xc3", 4);
    EXPECT_NE(compare(cut.constData(), cut.size(), good.constData(), good.size()), 0);
}

TEST(FrenchLike, MatchesWithoutCaseButWithAccents)
{
    struct Case {
        const char* text;
        const char* pattern;
        char escape;
        bool expected;
    };
    const Case cases[] = {
        {"ÉLISE", "él%", 0, true},
        {"élise", "ÉL%", 0, true},
        {"Elise", "él%", 0, false},
        {"élise", "el%", 0, false},
        {"Contrat de bail", "%BAIL%", 0, true},
        {"bail", "%bail%", 0, true},
        {"bai", "%bail%", 0, false},
        {"abc", "a_c", 0, true},
        {"aéc", "a_c", 0, true},
        {"ac", "a_c", 0, false},
        {"abc", "%", 0, true},
        {"", "%", 0, true},
        {"", "_", 0, false},
        {"abc", "abc", 0, true},
        {"abcd", "abc", 0, false},
        {"a/b/c", "a/b/%", 0, true},
        {"a/bc", "a/b/%", 0, false},
        {"100%", "100\\%", '\\', true},
        {"1000", "100\\%", '\\', false},
        {"a_b", "a\\_b", '\\', true},
        {"axb", "a\\_b", '\\', false},
        {"ŒUVRE", "œuv%", 0, true},
        {"xxaxxbxx", "%a%b%", 0, true},
        {"xxbxxaxx", "%a%b%", 0, false},
        {"ÇA", "ça", 0, true},
        {"l'eau", "l'%", 0, true},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text), pattern = QString::fromUtf8(c.pattern);
        const QByteArray t = text.toUtf8(), p = pattern.toUtf8();
        EXPECT_EQ(db::french::like(p.constData(), p.size(), t.constData(), t.size(), char32_t(c.escape)),
                  c.expected)
            << c.text << " LIKE " << c.pattern;
        EXPECT_EQ(db::french::like(pattern, text, c.escape ? QChar(QLatin1Char(c.escape)) : QChar()),
                  c.expected)
            << c.text << " LIKE " << c.pattern;
    }
}

TEST(FrenchCompare, FoldedKeyIsTheFirstLevel)
{
    EXPECT_EQ(db::french::foldedKey(QStringLiteral("Œuvre Ça ÉTÉ ß")), QStringLiteral("oeuvre ca ete ss"));
}
