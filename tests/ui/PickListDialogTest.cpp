#include "DialogTestFixture.h"

#include "app/Clock.h"
#include "ui/PickList.h"
#include "ui/TSelectDate.h"
#include "ui/TStrList.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A window holding one edit, placed where the test wants it on the screen.
struct Host {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    explicit Host(QPoint position) {
        edit->setObjectName(QStringLiteral("Ed_Test"));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(edit);
        window.setGeometry(QRect(position, QSize(240, edit->sizeHint().height())));
        window.show();
        QApplication::processEvents();
    }
    QRect editOnScreen() const { return QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()); }
    QRect screen() const { return edit->screen()->geometry(); }
};

template <typename Popup> Popup* openPopup(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return qobject_cast<Popup*>(window);
    return nullptr;
}

class PickListDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        // The shipped database holds the shared row of the lists, empty.
        m_connection.executeNative(QStringLiteral("UPDATE COMBOITEMS SET Contract_Title='Bail' || char(13, "
                                                  "10) || 'achat' || char(13, 10) || 'Maintenance'"));
        m_id = addContract(1, QStringLiteral("Maintenance"), QStringLiteral("Date_Term"),
                           QStringLiteral("'2008-02-29'"));
        contract().replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=1"));
        contract().open();
    }
    db::Dataset& contract() { return m_module->Contract; }
    QVariant storedValue(const QString& column) {
        return stored(QStringLiteral("SELECT %1 FROM CONTRACT WHERE Id=%2").arg(column).arg(m_id));
    }
    qint64 m_id = -1;
};

TEST(PickListGeometry, BelowTheEditAsWideAsItAtMostEightRowsAboveWhenTheScreenEnds) {
    const QRect screen(0, 0, 1024, 768);
    const struct {
        QRect edit;
        int lines;
        QRect expected;
    } cases[] = {
        {QRect(100, 200, 150, 21), 3, QRect(100, 221, 150, 3 * 16 + 3)},
        {QRect(100, 200, 150, 21), 20, QRect(100, 221, 150, 8 * 16 + 3)},
        {QRect(100, 200, 150, 21), 0, QRect(100, 221, 150, 16 + 3)},
        {QRect(100, 200, 150, 21), 8, QRect(100, 221, 150, 8 * 16 + 3)},
        // 700 + 21 + 131 passes 768: the list opens above the edit.
        {QRect(10, 700, 300, 21), 12, QRect(10, 700 - 131, 300, 131)},
        // Exactly reaching the last line of the screen still fits below.
        {QRect(10, 768 - 21 - 131, 300, 21), 12, QRect(10, 768 - 131, 300, 131)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::PickListGeometry(c.edit, 16, c.lines, screen), c.expected) << c.lines;
}

TEST(DatePickerGeometry, FifteenPixelsBelowTheEditTopOrThirtyPixelsAboveTheScreenBottom) {
    const QRect screen(0, 0, 1024, 768);
    const QSize picker(250, 220);
    EXPECT_EQ(ui::DatePickerGeometry(QRect(40, 100, 120, 21), picker, screen),
              QRect(QPoint(40, 115), picker));
    EXPECT_EQ(ui::DatePickerGeometry(QRect(40, 600, 120, 21), picker, screen),
              QRect(QPoint(40, 768 - 30 - 220), picker));
}

TEST_F(PickListDialogTest, TheListOpensUnderTheEditOnTheCurrentValueAndAClickSetsTheField) {
    Host host(QPoint(50, 60));
    host.edit->setText(QStringLiteral("maintenance"));
    ui::ShowPickList(host.edit, true, {}, &contract(), QStringLiteral("Title"),
                     QStringLiteral("Contract_Title"));

    auto* popup = openPopup<ui::TStrList>("StrList");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(contract().isEditing()); // put in edit state as it opens
    QStringList lines;
    for (int i = 0; i < popup->List->count(); ++i)
        lines << popup->List->item(i)->text();
    EXPECT_EQ(lines, (QStringList{"", "achat", "Bail", "Maintenance"}));
    EXPECT_EQ(popup->List->currentRow(), 3);
    EXPECT_EQ(popup->List->palette().color(QPalette::Base), QColor(255, 255, 242));
    EXPECT_EQ(popup->geometry(),
              ui::PickListGeometry(host.editOnScreen(), popup->rowHeight(), 4, host.screen()));
    EXPECT_EQ(popup->geometry().top(), host.editOnScreen().bottom() + 1);

    const QRect line = popup->List->visualItemRect(popup->List->item(2));
    QTest::mouseClick(popup->List->viewport(), Qt::LeftButton, {}, line.center());
    QApplication::processEvents();
    EXPECT_EQ(openPopup<ui::TStrList>("StrList"), nullptr);
    EXPECT_EQ(host.edit->text(), "Bail");
    EXPECT_EQ(host.edit->selectedText(), "Bail");
    EXPECT_EQ(contract().text(QStringLiteral("Title")), "Bail");
    contract().post();
    EXPECT_EQ(storedValue(QStringLiteral("Title")).toString(), "Bail");
}

TEST_F(PickListDialogTest, TheBlankLineClearsTheFieldAndEscapeChangesNothing) {
    Host host(QPoint(50, 60));
    host.edit->setText(QStringLiteral("Maintenance"));
    ui::ShowPickList(host.edit, true, {}, &contract(), QStringLiteral("Title"),
                     QStringLiteral("Contract_Title"));
    auto* popup = openPopup<ui::TStrList>("StrList");
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup->List, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(openPopup<ui::TStrList>("StrList"), nullptr);
    EXPECT_EQ(contract().text(QStringLiteral("Title")), "Maintenance");

    ui::ShowPickList(host.edit, true, {}, &contract(), QStringLiteral("Title"),
                     QStringLiteral("Contract_Title"));
    popup = openPopup<ui::TStrList>("StrList");
    ASSERT_NE(popup, nullptr);
    popup->List->setCurrentRow(0);
    QTest::keyClick(popup->List, Qt::Key_Return);
    EXPECT_EQ(host.edit->text(), "");
    contract().post();
    EXPECT_EQ(storedValue(QStringLiteral("Title")).toString(), "");
}

TEST_F(PickListDialogTest, TheStateListKeepsItsOrderOnWhiteAndOpensAboveAnEditAtTheScreenBottom) {
    Host probe(QPoint(0, 0));
    const QRect screen = probe.screen();
    Host host(QPoint(30, screen.bottom() - 40));
    host.edit->setText(QStringLiteral("PROJET"));
    ui::ShowPickList(host.edit, false, {"SIGNE", "PROJET", "ARCHIVE"}, &contract(), QStringLiteral("State"),
                     {}, Qt::white);
    auto* popup = openPopup<ui::TStrList>("StrList");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->List->item(0)->text(), "SIGNE");
    EXPECT_EQ(popup->List->item(2)->text(), "ARCHIVE");
    EXPECT_EQ(popup->List->currentRow(), 1);
    EXPECT_EQ(popup->List->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(popup->geometry().bottom(), host.editOnScreen().top() - 1);
    EXPECT_EQ(popup->height(), 3 * popup->rowHeight() + 3);

    popup->List->setCurrentRow(2);
    QTest::keyClick(popup->List, Qt::Key_Enter);
    EXPECT_EQ(contract().text(QStringLiteral("State")), "ARCHIVE");
}

TEST_F(PickListDialogTest, AListOfOneLineStartsWithNothingSelected) {
    Host host(QPoint(50, 60));
    host.edit->setText(QStringLiteral("SEUL"));
    ui::ShowPickList(host.edit, false, {"SEUL"}, nullptr, {}, {});
    auto* popup = openPopup<ui::TStrList>("StrList");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->List->selectedItems().isEmpty());
    EXPECT_EQ(popup->height(), popup->rowHeight() + 3);
    popup->close();
}

// The date picker of a field of the current contract.
class DatePickerTest : public PickListDialogTest {
  protected:
    ui::TSelectDate* open(Host& host) {
        ui::ShowDatePicker(host.edit, &contract(), QStringLiteral("Date_Term"));
        return openPopup<ui::TSelectDate>("SelectDate");
    }
};

TEST_F(DatePickerTest, YearAndMonthStepsKeepTheDayWithinTheMonthAndShowFrenchNames) {
    Host host(QPoint(50, 60));
    host.edit->setText(QStringLiteral("29/02/2008"));
    ui::TSelectDate* picker = open(host);
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(contract().isEditing());
    EXPECT_EQ(picker->geometry().topLeft(), host.editOnScreen().topLeft() + QPoint(0, 15));
    EXPECT_EQ(picker->ShedYear_->text(), "2008");
    EXPECT_EQ(picker->ShedMonth_->text(), "FÉVRIER");
    EXPECT_EQ(picker->Btn_Clear->toolTip(), "Effacer la date");

    picker->IncShedYear_->click();
    EXPECT_EQ(picker->date(), QDate(2009, 2, 28));
    EXPECT_EQ(picker->ShedYear_->text(), "2009");
    EXPECT_EQ(picker->Calendar->selectedDate(), QDate(2009, 2, 28));

    picker->setDate(QDate(2009, 1, 31));
    picker->IncShedMonth_->click();
    EXPECT_EQ(picker->date(), QDate(2009, 2, 28));
    picker->setDate(QDate(2008, 3, 31));
    picker->DecShedMonth_->click();
    EXPECT_EQ(picker->date(), QDate(2008, 2, 29));
    picker->setDate(QDate(2008, 12, 15));
    picker->IncShedMonth_->click();
    EXPECT_EQ(picker->date(), QDate(2009, 1, 15));
    EXPECT_EQ(picker->ShedMonth_->text(), "JANVIER");
    EXPECT_EQ(picker->ShedYear_->text(), "2009");
    picker->DecShedYear_->click();
    EXPECT_EQ(picker->date(), QDate(2008, 1, 15));

    picker->Btn_Ok->click();
    QApplication::processEvents();
    EXPECT_EQ(openPopup<ui::TSelectDate>("SelectDate"), nullptr);
    EXPECT_EQ(host.edit->text(), "15/01/2008");
    EXPECT_EQ(host.edit->selectedText(), "15/01/2008");
    contract().post();
    EXPECT_EQ(storedValue(QStringLiteral("Date_Term")).toString(), "2008-01-15");
}

TEST_F(DatePickerTest, ClearSetsTheFieldToNullAndEscapeLeavesItAlone) {
    Host host(QPoint(50, 60));
    host.edit->setText(QStringLiteral("29/02/2008"));
    ui::TSelectDate* picker = open(host);
    ASSERT_NE(picker, nullptr);
    picker->IncShedMonth_->click();
    QTest::keyClick(picker->Calendar, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(openPopup<ui::TSelectDate>("SelectDate"), nullptr);
    EXPECT_EQ(host.edit->text(), "29/02/2008");
    EXPECT_EQ(contract().date(QStringLiteral("Date_Term")), QDate(2008, 2, 29));

    picker = open(host);
    ASSERT_NE(picker, nullptr);
    picker->Btn_Clear->click();
    EXPECT_EQ(host.edit->text(), "");
    EXPECT_TRUE(contract().isNull(QStringLiteral("Date_Term")));
    contract().post();
    EXPECT_TRUE(storedValue(QStringLiteral("Date_Term")).isNull());
}

TEST_F(DatePickerTest, AnUnreadableTextStartsFromTodayAndEnterConfirmsTheDay) {
    app::clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(17, 5)));
    Host host(QPoint(50, 60));
    host.edit->setText(QStringLiteral("31/02/20"));
    ui::TSelectDate* picker = open(host);
    app::clock::clearFixed();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->date(), QDate(2026, 12, 9));
    EXPECT_EQ(picker->ShedMonth_->text(), "DÉCEMBRE");
    // The calendar's day grid holds the focus.
    QWidget* days = picker->Calendar->focusProxy();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(host.edit->text(), "09/12/2026");
    EXPECT_EQ(contract().date(QStringLiteral("Date_Term")), QDate(2026, 12, 9));
}

} // namespace
