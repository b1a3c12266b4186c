#include "cli/CliRun.h"

#include "db/engine/SqliteConnection.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using clitest::outputLines;
using clitest::runCli;
using testsupport::TempFolder;

namespace {

// "name: value" lines of the tool's output.
QMap<QString, QString> report(const testsupport::ProcessResult& result) {
    QMap<QString, QString> values;
    for (const QString& line : outputLines(result))
        values.insert(line.section(QStringLiteral(": "), 0, 0), line.section(QStringLiteral(": "), 1));
    return values;
}

qint64 scalar(db::SqliteConnection& connection, const QString& sql) {
    db::SqliteStatement statement = connection.prepareNative(sql);
    return statement.step() ? statement.intValue(0) : -1;
}

QStringList column(db::SqliteConnection& connection, const QString& sql) {
    QStringList values;
    db::SqliteStatement statement = connection.prepareNative(sql);
    while (statement.step())
        values << statement.textValue(0);
    return values;
}

// The paths of a tree's nodes in display order, titles joined by "/" from the level given on.
QSet<QString> treePaths(db::SqliteConnection& connection, const QString& table, int dossier, int fromLevel) {
    QSet<QString> paths;
    QStringList ancestors;
    db::SqliteStatement rows = connection.prepareNative(
        QStringLiteral("SELECT NodeTitle, NodeLevel FROM %1 WHERE Id_File=%2 ORDER BY NodePos")
            .arg(table)
            .arg(dossier));
    while (rows.step()) {
        const int level = int(rows.intValue(1));
        EXPECT_LE(level, ancestors.size()) << "a node deeper than its parent allows";
        while (ancestors.size() > level)
            ancestors.removeLast();
        ancestors << rows.textValue(0);
        if (level >= fromLevel)
            paths.insert(ancestors.mid(fromLevel).join(QLatin1Char('/')));
    }
    return paths;
}

QString dump(db::SqliteConnection& connection, const QString& table) {
    QString text;
    db::SqliteStatement rows =
        connection.prepareNative(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
    while (rows.step()) {
        for (int c = 0; c < rows.columnCount(); ++c)
            text += rows.value(c).toString() + QLatin1Char('|');
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

TEST(FixtureCommand, TwoHundredContractsMakeAConsistentDossier) {
    TempFolder temp;
    const auto result =
        runCli(temp.path(), {QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("200"),
                             QStringLiteral("--seed"), QStringLiteral("3")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const auto made = report(result);
    EXPECT_EQ(made.value(QStringLiteral("dossier name")), QStringLiteral("Dossier de démonstration"));
    EXPECT_EQ(made.value(QStringLiteral("contracts")), QStringLiteral("200"));
    EXPECT_EQ(made.value(QStringLiteral("people")), QStringLiteral("40"));
    EXPECT_EQ(made.value(QStringLiteral("companies")), QStringLiteral("10"));

    db::SqliteConnection db;
    db.open(clitest::databaseFile(temp.path()));
    const int d = made.value(QStringLiteral("dossier")).toInt();
    ASSERT_GT(d, 0);
    EXPECT_EQ(column(db, QStringLiteral("SELECT LoginName FROM PROFILES WHERE ID=%1").arg(d)),
              QStringList{QStringLiteral("Dossier de démonstration")});
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(d)), 200);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM PEOPLE WHERE Id_File=-1")), 40);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM COMPANY WHERE Id_File=-1")), 10);

    // Every link and event belongs to a contract of the dossier and points to an existing party.
    const QString ofDossier = QStringLiteral("(SELECT Id FROM CONTRACT WHERE Id_File=%1)").arg(d);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM L_PEOPLE WHERE Id_Ref NOT IN ") + ofDossier),
              0);
    EXPECT_EQ(scalar(db, QStringLiteral(
                             "SELECT COUNT(*) FROM L_PEOPLE WHERE Id_People NOT IN (SELECT Id FROM PEOPLE)")),
              0);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM L_COMPANY WHERE Id_Ref NOT IN ") + ofDossier),
              0);
    EXPECT_EQ(
        scalar(db, QStringLiteral(
                       "SELECT COUNT(*) FROM L_COMPANY WHERE Id_Company NOT IN (SELECT Id FROM COMPANY)")),
        0);
    EXPECT_EQ(
        scalar(db, QStringLiteral("SELECT COUNT(*) FROM EVENT WHERE Id_File<>%1 OR Id_Ref NOT IN ").arg(d) +
                       ofDossier),
        0);
    const qint64 peopleLinks = scalar(db, QStringLiteral("SELECT COUNT(*) FROM L_PEOPLE"));
    EXPECT_EQ(QString::number(peopleLinks), made.value(QStringLiteral("people links")));
    EXPECT_GT(peopleLinks, 200);
    EXPECT_LT(peopleLinks, 400);
    EXPECT_GT(scalar(db, QStringLiteral("SELECT COUNT(DISTINCT Id_People) FROM L_PEOPLE")), 30);
    EXPECT_GT(scalar(db, QStringLiteral("SELECT COUNT(*) FROM L_COMPANY")), 100);
    EXPECT_GT(scalar(db, QStringLiteral("SELECT COUNT(*) FROM EVENT")), 200);

    // The three states, ISO dates, some memo text.
    EXPECT_EQ(column(db, QStringLiteral("SELECT DISTINCT State FROM CONTRACT ORDER BY State")),
              (QStringList{QStringLiteral("ARCHIVE"), QStringLiteral("PROJET"), QStringLiteral("SIGNE")}));
    const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    for (const QString& date :
         column(db, QStringLiteral("SELECT Date_Start FROM CONTRACT UNION ALL SELECT DateEvent FROM EVENT")))
        ASSERT_TRUE(iso.match(date).hasMatch()) << date.toStdString();
    EXPECT_EQ(scalar(db, QStringLiteral(
                             "SELECT COUNT(*) FROM CONTRACT WHERE State='PROJET' AND Date_Sign IS NOT NULL")),
              0);
    for (const char* memo : {"Detail", "Remark1", "Keyword"})
        EXPECT_GT(scalar(db, QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE length(%1)>0")
                                 .arg(QLatin1String(memo))),
                  20)
            << memo;

    // The category tree of the dossier, its paths in the contracts; the shared location tree likewise.
    const qint64 nodes = scalar(db, QStringLiteral("SELECT COUNT(*) FROM TREE WHERE Id_File=%1").arg(d));
    EXPECT_GE(nodes, 400);
    EXPECT_LE(nodes, 600);
    EXPECT_EQ(
        scalar(db,
               QStringLiteral(
                   "SELECT COUNT(DISTINCT NodePos) FROM TREE WHERE Id_File=%1 AND NodePos BETWEEN 0 AND %2")
                   .arg(d)
                   .arg(nodes - 1)),
        nodes);
    const QSet<QString> categories = treePaths(db, QStringLiteral("TREE"), d, 0);
    for (const QString& path : column(db, QStringLiteral("SELECT Category FROM CONTRACT")))
        ASSERT_TRUE(categories.contains(path)) << path.toStdString();
    EXPECT_EQ(column(db, QStringLiteral("SELECT NodeTitle FROM TREE_LOCATION WHERE NodePos=0")),
              QStringList{QStringLiteral("Localisations")});
    const QSet<QString> locations = treePaths(db, QStringLiteral("TREE_LOCATION"), -1, 1);
    int located = 0;
    for (const QString& path :
         column(db, QStringLiteral("SELECT Location FROM CONTRACT WHERE Location<>''"))) {
        ASSERT_TRUE(locations.contains(path)) << path.toStdString();
        ++located;
    }
    EXPECT_GT(located, 100);
}

TEST(FixtureCommand, TheSameSeedGivesTheSameDossierAndASecondRunAddsAnother) {
    TempFolder first, second;
    const QStringList args{QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("50"),
                           QStringLiteral("--seed"), QStringLiteral("42")};
    ASSERT_EQ(runCli(first.path(), args).exitCode, 0);
    ASSERT_EQ(runCli(second.path(), args).exitCode, 0);
    {
        db::SqliteConnection a, b;
        a.open(clitest::databaseFile(first.path()));
        b.open(clitest::databaseFile(second.path()));
        for (const char* table : {"CONTRACT", "PEOPLE", "COMPANY", "L_PEOPLE", "L_COMPANY", "EVENT", "TREE"})
            EXPECT_EQ(dump(a, QLatin1String(table)), dump(b, QLatin1String(table))) << table;
    }

    const auto other =
        runCli(first.path(), {QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("50"),
                              QStringLiteral("--seed"), QStringLiteral("43")});
    ASSERT_EQ(other.exitCode, 0) << other.err.toStdString();
    const auto made = report(other);
    EXPECT_EQ(made.value(QStringLiteral("dossier name")), QStringLiteral("Dossier de démonstration (2)"));
    EXPECT_EQ(made.value(QStringLiteral("location nodes")), QStringLiteral("0")); // the shared tree is reused
    db::SqliteConnection db;
    db.open(clitest::databaseFile(first.path()));
    const int d = made.value(QStringLiteral("dossier")).toInt();
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(d)), 50);
    EXPECT_EQ(
        scalar(db, QStringLiteral("SELECT COUNT(*) FROM TREE_LOCATION WHERE NodeTitle='Localisations'")), 1);
    EXPECT_NE(column(db, QStringLiteral("SELECT Title FROM CONTRACT WHERE Id_File=%1 ORDER BY Id").arg(d)),
              column(db, QStringLiteral("SELECT Title FROM CONTRACT WHERE Id_File<>%1 ORDER BY Id").arg(d)));
}

TEST(FixtureCommand, WrongOptionsAreRefusedBeforeAnythingIsWritten) {
    TempFolder temp;
    for (const QStringList& args :
         {QStringList{QStringLiteral("fixture")},
          QStringList{QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("abc")},
          QStringList{QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("-3")},
          QStringList{QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("5"),
                      QStringLiteral("--seed")},
          QStringList{QStringLiteral("fixture"), QStringLiteral("--contracts"), QStringLiteral("5"),
                      QStringLiteral("--colour"), QStringLiteral("red")}}) {
        const auto result = runCli(temp.path(), args);
        EXPECT_EQ(result.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(clitest::databaseFile(temp.path())));
}
