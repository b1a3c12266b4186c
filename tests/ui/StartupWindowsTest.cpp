#include "app/Clock.h"
#include "app/Globals.h"
#include "ui/FrenchUi.h"
#include "ui/TSplash.h"
#include "ui/WidgetDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(Splash, ShowsVersionAndThisYearsCopyrightAndFollowsStartUp) {
    app::clock::setFixed(QDateTime(QDate(2031, 5, 4), QTime(9, 0)));
    ui::TSplash splash;
    app::clock::clearFixed();
    EXPECT_EQ(splash.objectName(), "Splash");
    EXPECT_EQ(splash.version_->text(), "Version 1.34");
    EXPECT_TRUE(splash.Lab_Copyright->text().contains("2031"));
    EXPECT_FALSE(splash.Lab_Copyright->text().contains("2008"));
    EXPECT_EQ(splash.barre->maximum(), 6);

    // Start-up drives it through its observer interface, shown or not.
    app::StartupObserver& observer = splash;
    observer.setSplashGauge(4);
    observer.setSplashMessage(QStringLiteral("Chargement du logiciel ..."));
    observer.processEvents();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.barre->value(), 4);
    EXPECT_EQ(splash.info->text(), "Chargement du logiciel ...");
    observer.showSplash();
    EXPECT_TRUE(splash.isVisible());
}

// Answers the next message box by the button with the given text, after noting what it showed.
struct BoxAnswer {
    QString title, text;
    QStringList buttons;
};
void answerNextBox(const QString& buttonText, BoxAnswer& seen) {
    QTimer::singleShot(0, [buttonText, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == buttonText)
                chosen = button;
        }
        if (chosen)
            chosen->click();
        else
            box->close();
    });
}

TEST(WidgetDialogs, QuestionsAskOuiOrNonAndLineBreaksShow) {
    ui::WidgetDialogs dialogs;
    for (const bool yes : {true, false}) {
        BoxAnswer seen;
        answerNextBox(yes ? QStringLiteral("Oui") : QStringLiteral("Non"), seen);
        EXPECT_EQ(dialogs.confirm(QStringLiteral("Supprimer ce contrat ?\rIl sera perdu.")), yes);
        EXPECT_EQ(seen.title, app::ProductName);
        EXPECT_EQ(seen.text, "Supprimer ce contrat ?\nIl sera perdu.");
        seen.buttons.sort();
        EXPECT_EQ(seen.buttons, (QStringList{"Non", "Oui"}));
    }

    BoxAnswer seen;
    answerNextBox(QStringLiteral("OK"), seen);
    dialogs.message(app::MessageKind::Warning, QStringLiteral("A\r\rB"));
    EXPECT_EQ(seen.text, "A\n\nB");
    EXPECT_EQ(seen.buttons.size(), 1);
}

TEST(WidgetDialogs, QtsOwnButtonsSpeakFrench) {
    ui::installFrenchUi(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel | QMessageBox::Close);
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("Annuler")))
        << box.button(QMessageBox::Cancel)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::Close)->text().contains(QStringLiteral("Fermer")));
    EXPECT_EQ(QLocale().dayName(1), "lundi");
}

} // namespace
