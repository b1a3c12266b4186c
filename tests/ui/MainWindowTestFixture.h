#pragma once

// The main window over a copy of the shipped database in a temporary data folder, with scripted answers to
// its questions and helpers that drive its modal dialogs.

#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"
#include "contracts/Dossiers.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace mainwindow {

// Acts on the next modal window of type T as soon as it is shown (the caller then opens it modally).
// Gives up after a while when none shows, so that a failing test does not hang.
template <class T> void whenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(window);
        } else if (++*tries > 1000) {
            timer->stop();
            timer->deleteLater();
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        }
    });
    timer->start();
}

// Types text into a control key by key, accented letters included (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget* control, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        app::globals().programDir = app::globals().installDir = testsupport::programDir();
        app::globals().dataDir = m_temp.path();
        app::globals().currentDossierId = -1;
        app::settings() = app::Settings();
        app::LoadDatabaseSettings(m_temp.path());
        const QString database = app::databaseConfig().databaseFile();
        testsupport::copyShippedDatabase(database);
        m_connection.open(database);
        m_module = std::make_unique<db::TDataModule1>(m_connection);
        app::setDialogs(&m_dialogs);
    }
    void TearDown() override {
        m_window.reset();
        app::setDialogs(nullptr);
        m_module.reset();
        m_connection.close();
    }

    int addDossier(const QString& name, const QString& password = QString()) {
        return contracts::AddDossier(*m_module, name, password);
    }
    qint64 addContract(int dossier, const QString& title, const QString& number = QString(),
                       const QString& state = QStringLiteral("PROJET"), const QString& category = QString()) {
        db::SqliteStatement insert = m_connection.prepareNative(QStringLiteral(
            "INSERT INTO CONTRACT (Id_File, Title, NoContract, State, Category, Length, Alarm, "
            "AnnualCost, TacitRenewal) VALUES (?, ?, ?, ?, ?, 12, 0, 100, 1)"));
        insert.bindInt(1, dossier);
        insert.bind(2, title);
        insert.bind(3, number);
        insert.bind(4, state);
        insert.bind(5, category);
        insert.run();
        return m_connection.lastInsertId();
    }
    void addCategory(int dossier, const QString& title, int level, int position) {
        m_connection.execute(
            QStringLiteral(
                "INSERT INTO TREE (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (%1, '%2', %3, %4)")
                .arg(dossier)
                .arg(QString(title).replace(QLatin1Char('\''), QStringLiteral("''")))
                .arg(level)
                .arg(position));
    }
    QVariant stored(const QString& column, qint64 contractId) {
        db::SqliteStatement row = m_connection.prepareNative(
            QStringLiteral("SELECT %1 FROM CONTRACT WHERE Id=%2").arg(column).arg(contractId));
        return row.step() ? row.value(0) : QVariant();
    }
    int count(const QString& statement) {
        db::SqliteStatement row = m_connection.prepareNative(statement);
        return row.step() ? static_cast<int>(row.intValue(0)) : -1;
    }

    ui::TMainForm& openWindow() {
        m_window = std::make_unique<ui::TMainForm>(ui::TMainForm::Options{false});
        m_window->show();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *m_window;
    }
    template <class T = QWidget> T* find(const char* name) const {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool enabled(const char* name) const {
        if (auto* action = m_window->findChild<QAction*>(QLatin1String(name)))
            return action->isEnabled();
        const QWidget* widget = find(name);
        return widget && widget->isEnabled();
    }
    void trigger(const char* name) {
        auto* action = find<QAction>(name);
        ASSERT_TRUE(action && action->isEnabled()) << name;
        action->trigger();
    }
    db::Dataset& contract() { return m_module->Contract; }

    testsupport::TempFolder m_temp;
    db::SqliteConnection m_connection;
    std::unique_ptr<db::TDataModule1> m_module;
    app::ScriptedDialogs m_dialogs;
    std::unique_ptr<ui::TMainForm> m_window;
};

} // namespace mainwindow
