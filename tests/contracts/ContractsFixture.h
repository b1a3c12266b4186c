#pragma once

#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

// A copy of the shipped empty database in a temporary data folder, opened on the program's main
// connection (the code under test reaches it there), with the main data module over it.
class ContractsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        app::globals() = app::Globals{};
        app::globals().dataDir = folder.path();
        app::globals().currentDossierId = -1;
        app::databaseConfig().databaseDir = folder.path() + QStringLiteral("Data/");
        app::settings() = app::Settings{};
        const QString file = folder.path() + QStringLiteral("Data/Access/CONTRACT.MDB");
        testsupport::copyShippedDatabase(file);
        connection().open(file);
        module = std::make_unique<db::TDataModule1>(connection());
    }
    void TearDown() override {
        module.reset();
        connection().close();
        app::globals().currentDossierId = -1;
    }

    static db::SqliteConnection& connection() { return app::mainConnection(); }

    qint64 insert(const QString& jetSql) {
        connection().execute(jetSql);
        return connection().lastInsertId();
    }
    qint64 count(const QString& jetSql) {
        db::SqliteStatement statement = connection().prepare(jetSql);
        return statement.step() ? statement.intValue(0) : -1;
    }
    // The first column of every row.
    QStringList column(const QString& jetSql) {
        QStringList values;
        db::SqliteStatement statement = connection().prepare(jetSql);
        while (statement.step())
            values << statement.textValue(0);
        return values;
    }

    testsupport::TempFolder folder;
    std::unique_ptr<db::TDataModule1> module;
};
