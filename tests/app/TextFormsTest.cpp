#include "app/DateText.h"

#include <gtest/gtest.h>

using namespace app::datetext;

TEST(DateText, ShowsStoresAndWritesDatesInTheirThreeForms)
{
    const QDate date(2007, 3, 25);
    EXPECT_EQ(toDisplay(date), "25/03/2007");
    EXPECT_EQ(toIso(date), "2007-03-25");
    EXPECT_EQ(toJetLiteral(date), "#3/25/2007#");
    EXPECT_EQ(toDisplay(QDateTime(date, QTime(0, 0))), "25/03/2007");
    EXPECT_EQ(toIso(QDateTime(date, QTime(9, 5, 7))), "2007-03-25 09:05:07");
    EXPECT_EQ(fromIso("2007-03-25 09:05:07"), QDateTime(date, QTime(9, 5, 7)));
    EXPECT_EQ(fromDisplay("5/3/2007"), QDate(2007, 3, 5));
    EXPECT_FALSE(fromDisplay("31/02/2007").isValid());
    EXPECT_FALSE(fromDisplay("2007-03-25").isValid());
    EXPECT_FALSE(fromIso("hier").isValid());
}

#include "app/Win1252.h"

TEST(Win1252, EveryByteReadsAndWritesBackUnchanged)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = app::win1252::decode(all);
    EXPECT_EQ(text.mid(0x80, 1), QString(QChar(0x20AC)));
    EXPECT_EQ(app::win1252::encode(text), all);
    EXPECT_EQ(app::win1252::encode(QStringLiteral("œuvre ő")), QByteArray("\x9C" "uvre ?"));
}
