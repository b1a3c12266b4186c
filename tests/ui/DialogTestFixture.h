#pragma once

#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A copy of the shipped database in a temporary data folder, the main data module over it, the
// program's icons and scripted message boxes.
class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_savedGlobals = app::globals();
        m_savedConfig = app::databaseConfig();
        app::globals().dataDir = m_temp.path();
        app::globals().programDir = testsupport::programDir();
        app::globals().currentDossierId = -1;
        app::settings() = app::Settings();
        app::databaseConfig().dataDir = m_temp.path();
        app::databaseConfig().backupPath.clear();
        const QString database = m_temp.file(QStringLiteral("Data/Access/CONTRACT.MDB"));
        testsupport::copyShippedDatabase(database);
        m_connection.open(database);
        m_module = std::make_unique<db::TDataModule1>(m_connection);
        app::setDialogs(&m_dialogs);
    }
    void TearDown() override {
        app::setDialogs(nullptr);
        // Popups left open by a failed test must not reach the next one.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->close();
        QApplication::processEvents();
        m_module.reset();
        m_connection.close();
        app::globals() = m_savedGlobals;
        app::databaseConfig() = m_savedConfig;
        app::settings() = app::Settings();
    }

    qint64 addContract(int dossierId, const QString& title, const QString& extraColumns = {},
                       const QString& extraValues = {}) {
        m_connection.execute(
            QStringLiteral("INSERT INTO CONTRACT (Id_File, Title%1) VALUES (%2, '%3'%4)")
                .arg(extraColumns.isEmpty() ? QString() : QStringLiteral(", ") + extraColumns)
                .arg(dossierId)
                .arg(QString(title).replace(QLatin1Char('\''), QStringLiteral("''")))
                .arg(extraValues.isEmpty() ? QString() : QStringLiteral(", ") + extraValues));
        return m_connection.lastInsertId();
    }

    QVariant stored(const QString& statement) {
        db::SqliteStatement query = m_connection.prepare(statement);
        return query.step() ? query.value(0) : QVariant();
    }

    // Types text as keys, accented letters included (QTest's own helper knows ASCII only).
    static void typeText(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // The names of the controls the Tab key goes through, from first on.
    static QStringList tabOrder(QWidget* window, QWidget* first, int count) {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        first->setFocus(Qt::TabFocusReason);
        QStringList names{first->objectName()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        }
        return names;
    }

    // Runs the check once the next modal window is up (the static entry points wait in exec()).
    static void whenModal(std::function<void(QWidget*)> check) {
        QTimer::singleShot(0, [check] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                ADD_FAILURE() << "no modal window";
                return;
            }
            check(modal);
            // A check that failed before closing must not leave the test waiting.
            if (modal->isVisible())
                QTimer::singleShot(0, modal, [modal] { modal->close(); });
        });
    }

    testsupport::TempFolder m_temp;
    db::SqliteConnection m_connection;
    std::unique_ptr<db::TDataModule1> m_module;
    app::ScriptedDialogs m_dialogs;
    app::Globals m_savedGlobals;
    app::DatabaseConfig m_savedConfig;
};
