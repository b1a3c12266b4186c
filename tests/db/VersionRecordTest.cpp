#include "app/AppError.h"
#include "db/VersionRecord.h"
#include "db/DbFixture.h"

namespace {

using VersionRecordTest = DbFixture;

TEST_F(VersionRecordTest, ShippedDatabaseCarriesTheProgramVersion)
{
    EXPECT_EQ(db::GetDatabaseVersion(connection), app::ProductVersion);
}

TEST_F(VersionRecordTest, AMissingRecordReadsZeroThenIsInsertedOnceAndEdited)
{
    connection.execute("DELETE FROM OBJECT_VAL_STR");
    EXPECT_EQ(db::GetDatabaseVersion(connection), "0");
    db::SetDatabaseVersion(connection, "1.2");
    EXPECT_EQ(db::GetDatabaseVersion(connection), "1.2");
    db::SetDatabaseVersion(connection, "1.34");
    EXPECT_EQ(db::GetDatabaseVersion(connection), "1.34");
    EXPECT_EQ(count("SELECT COUNT(*) FROM OBJECT_VAL_STR"), 1);
}

TEST_F(VersionRecordTest, ATableWhoseValueColumnIsValStillYieldsItsVersion)
{
    connection.executeNative("CREATE TABLE OLD_STR (ID INTEGER PRIMARY KEY AUTOINCREMENT, ID_CLASS INT32, "
                             "ID_ATTRIBUTE INT32, USERID INT32, VAL TEXT(255))");
    EXPECT_EQ(db::GetDatabaseVersion(connection, "OLD_STR", "VAL"), "0");
    db::SetDatabaseVersion(connection, "1.2", "OLD_STR", "VAL");
    EXPECT_EQ(db::GetDatabaseVersion(connection, "OLD_STR", "VAL"), "1.2");
    EXPECT_EQ(db::GetDatabaseVersion(connection, "NO_SUCH_TABLE", "VAL"), "0");
    EXPECT_THROW(db::SetDatabaseVersion(connection, "1.3", "NO_SUCH_TABLE", "VAL"), app::AppError);
}

TEST(VersionNumber, ReadsTheTextWithoutItsFirstPoint)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {{"1.34", 134}, {"1.2", 12}, {"0", 0}, {"", 0}, {"abc", 0}, {"1.3.4", 0}, {"2", 2}};
    for (const auto& c : cases)
        EXPECT_EQ(db::VersionNumber(QString::fromLatin1(c.text)), c.number) << c.text;
}

} // namespace
