#include "DialogTestFixture.h"

#include "app/Win1252.h"
#include "ui/TSortList.h"

#include <QListWidget>
#include <QPushButton>

namespace {

class SortDialogTest : public DialogTest {
  protected:
    QString sortFile() const { return m_temp.file(QStringLiteral("SortList.def")); }

    // Twelve lines, the first ten ticked; one caption is a catalogue token.
    void writeTwelveLines() {
        QString text;
        for (int i = 1; i <= 12; ++i) {
            const QString caption = i == 3 ? QStringLiteral("#String3") : QStringLiteral("Champ n°%1").arg(i);
            text += (i <= 10 ? QStringLiteral("*") : QStringLiteral(" ")) + caption +
                    QStringLiteral("=CONTRACT.Misc%1").arg(i, 2, 10, QLatin1Char('0')) +
                    QStringLiteral("\r\n");
        }
        testsupport::writeFile(sortFile(), app::win1252::encode(text));
    }

    // Ticks or unticks a line as the user does, with the space bar on the current line.
    static void toggle(QListWidget* list, int row) {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Space);
    }

    static int tickedCount(const QListWidget* list) {
        int count = 0;
        for (int i = 0; i < list->count(); ++i)
            count += list->item(i)->checkState() == Qt::Checked ? 1 : 0;
        return count;
    }
};

TEST_F(SortDialogTest, WithoutTheSortFileTheDialogSaysSoAndDoesNotOpen) {
    EXPECT_FALSE(ui::ChooseSortOrder(nullptr));
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Error);
    EXPECT_EQ(m_dialogs.shown().front().text, "Fichier \"SortList.Def\" introuvable.");
}

TEST_F(SortDialogTest, AnEleventhTickIsRefusedAndOkRewritesOnlyTheFirstCharacterOfEachLine) {
    writeTwelveLines();
    const QByteArray before = testsupport::readFile(sortFile());

    whenModal([this](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Trier la base sur ...");
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("List_Sort"));
        ASSERT_EQ(list->count(), 12);
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(list->item(0)->text(), "Champ n°1");
        EXPECT_EQ(list->item(2)->text(), "Référence");
        EXPECT_EQ(tickedCount(list), 10);

        toggle(list, 11);
        EXPECT_EQ(list->item(11)->checkState(), Qt::Unchecked);
        EXPECT_EQ(tickedCount(list), 10);
        ASSERT_EQ(m_dialogs.shown().size(), 1u);
        EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Information);
        EXPECT_EQ(m_dialogs.shown().front().text, "Vous ne pouvez pas sélectionner plus de 10 champs.");

        // Making room allows it.
        toggle(list, 0);
        toggle(list, 11);
        EXPECT_EQ(list->item(11)->checkState(), Qt::Checked);
        EXPECT_EQ(tickedCount(list), 10);
        modal->findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->click();
    });
    ASSERT_TRUE(ui::ChooseSortOrder(nullptr));

    const QByteArray after = testsupport::readFile(sortFile());
    ASSERT_EQ(after.size(), before.size());
    QByteArray expected = before;
    expected[0] = ' ';
    expected[after.lastIndexOf("\r\n", after.size() - 3) + 2] = '*';
    EXPECT_EQ(after, expected);
}

TEST_F(SortDialogTest, CancelLeavesTheFileAsItWas) {
    writeTwelveLines();
    const QByteArray before = testsupport::readFile(sortFile());
    whenModal([](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("List_Sort"));
        toggle(list, 0);
        toggle(list, 1);
        modal->findChild<QPushButton*>(QStringLiteral("Btn_Cancel"))->click();
    });
    EXPECT_FALSE(ui::ChooseSortOrder(nullptr));
    EXPECT_EQ(testsupport::readFile(sortFile()), before);
}

} // namespace
