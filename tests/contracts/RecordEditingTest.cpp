#include "contracts/RecordEditing.h"

#include "ContractsFixture.h"
#include "app/AppError.h"

using namespace contracts;

TEST(CountSteps, EmptyGivesOneAndTheButtonsNeverGiveZero) {
    const struct {
        QVariant value;
        qint64 incremented;
        qint64 decremented;
    } cases[] = {{QVariant(), 1, 1},
                 {QVariant(QString()), 1, 1},
                 {QVariant(0), 1, 1},
                 {QVariant(1), 2, 1},
                 {QVariant(2), 3, 1},
                 {QVariant(12), 13, 11},
                 {QVariant(qint64(-4)), -3, 1},
                 {QVariant(QStringLiteral("36")), 37, 35}};
    for (const auto& c : cases) {
        EXPECT_EQ(IncrementedCount(c.value).toLongLong(), c.incremented) << c.value.toString().toStdString();
        EXPECT_EQ(DecrementedCount(c.value).toLongLong(), c.decremented) << c.value.toString().toStdString();
    }
}

TEST(DateSteps, AMissingDayBecomesTheLastDayOfTheTargetMonth) {
    const struct {
        QDate from;
        int months;
        int years;
        QDate to;
    } cases[] = {
        {QDate(2008, 2, 29), 0, 1, QDate(2009, 2, 28)},  {QDate(2008, 2, 29), 0, -1, QDate(2007, 2, 28)},
        {QDate(2008, 2, 29), 0, 4, QDate(2012, 2, 29)},  {QDate(2009, 1, 31), 1, 0, QDate(2009, 2, 28)},
        {QDate(2008, 1, 31), 1, 0, QDate(2008, 2, 29)},  {QDate(2009, 3, 31), -1, 0, QDate(2009, 2, 28)},
        {QDate(2009, 12, 15), 1, 0, QDate(2010, 1, 15)}, {QDate(2009, 1, 15), -1, 0, QDate(2008, 12, 15)},
        {QDate(2009, 5, 31), 1, 0, QDate(2009, 6, 30)}};
    for (const auto& c : cases) {
        const QDate to = c.years ? StepYears(c.from, c.years) : StepMonths(c.from, c.months);
        EXPECT_EQ(to, c.to) << c.from.toString(Qt::ISODate).toStdString() << " " << c.months << " "
                            << c.years;
    }
}

TEST(StateBadge, ColoursOfTheThreeStatesAndOfAnythingElse) {
    EXPECT_EQ(StateBadgeColour("SIGNE"), QColor(0, 128, 0));
    EXPECT_EQ(StateBadgeColour("PROJET"), QColor(170, 170, 0));
    EXPECT_EQ(StateBadgeColour("ARCHIVE"), QColor(0, 0, 128));
    EXPECT_EQ(StateBadgeColour(""), QColor(254, 254, 254));
    EXPECT_EQ(StateBadgeColour("signe"), QColor(254, 254, 254));
    EXPECT_EQ(StateBadgeGlossReduction("PROJET"), 17);
    EXPECT_EQ(StateBadgeGlossReduction("SIGNE"), 0);
    EXPECT_EQ(StateItems(), (QStringList{"SIGNE", "PROJET", "ARCHIVE"}));
}

TEST(Amounts, ShownWithTwoDecimalsAndTheEuroSignAndReadAsTyped) {
    EXPECT_EQ(AmountText(1250.5), "1250.50 €");
    EXPECT_EQ(AmountText(0), "0.00 €");
    EXPECT_EQ(AmountText(-0.001), "0.00 €");
    EXPECT_EQ(AmountText(12345678.125), "12345678.13 €");
    EXPECT_EQ(AmountText(-3), "-3.00 €");

    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {{"1250,50", 1250.5}, {"1250.50", 1250.5},  {"1 250,50 €", 1250.5}, {"-3", -3.0},
                 {"", 0.0},           {",5", 0.5},          {"12a", std::nullopt},  {"1,2,3", std::nullopt},
                 {"€", 0.0},          {"1e5", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseAmountText(QString::fromUtf8(c.text)), c.value) << c.text;
}

namespace {

class PickListTest : public ContractsFixture {};

} // namespace

TEST_F(PickListTest, ValuesComeFromTheFirstRowWithAnEmptyLineOnTop) {
    // The shipped database holds the shared row, with empty lists.
    ASSERT_EQ(count("SELECT COUNT(*) FROM COMBOITEMS"), 1);
    EXPECT_EQ(PickListItems(connection(), "Contract_Title", true), QStringList{""});
    db::SqliteStatement update = connection().prepare("UPDATE COMBOITEMS SET Contract_Title=?");
    update.bind(1, QStringLiteral("Bail\r\nélagage\r\n\r\nachat\nZèbre\r\n"));
    update.run();
    insert("INSERT INTO COMBOITEMS (Id_File, Contract_Title) VALUES (3, 'Autre ligne')");
    EXPECT_EQ(PickListItems(connection(), "Contract_Title", false),
              (QStringList{"", "Bail", "élagage", "", "achat", "Zèbre"}));
    EXPECT_EQ(PickListItems(connection(), "Contract_Title", true),
              (QStringList{"", "", "achat", "Bail", "élagage", "Zèbre"}));
    EXPECT_EQ(PickListItems(connection(), "Contract_Support", true), QStringList{""});
    EXPECT_THROW(PickListItems(connection(), "Contract_Title FROM PROFILES --", true), app::AppError);

    // With no row at all, the lists are empty.
    connection().execute("DELETE FROM COMBOITEMS");
    EXPECT_EQ(PickListItems(connection(), "Contract_Title", false), QStringList{""});
}
