#include "ui/TFileList.h"

#include "app/AppError.h"
#include "app/UserDialogs.h"
#include "contracts/Dossiers.h"
#include "db/TDataModule1.h"
#include "ui/Icons.h"
#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int IdRole = Qt::UserRole;

QIcon folderIcon() {
    // Images 0 and 1 of the tree: the first as the item rests, the second once it is selected.
    QIcon icon;
    for (const QSize size : {QSize(16, 16), QSize(32, 32)}) {
        icon.addPixmap(TreeImage(0).pixmap(size), QIcon::Normal);
        icon.addPixmap(TreeImage(1).pixmap(size), QIcon::Selected);
    }
    return icon;
}

} // namespace

TFileList::TFileList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FileList"));

    auto* titleBar = MakeTitleBar(this, QStringLiteral("  Liste des dossiers"), Title);

    Tree_Global = new QTreeWidget(this);
    Tree_Global->setObjectName(QStringLiteral("Tree_Global"));
    Tree_Global->setHeaderHidden(true);
    Tree_Global->setRootIsDecorated(false);
    Tree_Global->setMinimumSize(300, 260);

    auto* buttons = MakeOkCancel(this, Btn_Ok, Btn_Cancel);
    connect(Tree_Global, &QTreeWidget::itemSelectionChanged, this, &TFileList::updateButtons);
    connect(Tree_Global, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Btn_Ok->isEnabled())
            Btn_Ok->click();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(Tree_Global, 1);
    layout->addLayout(buttons);

    fill();
    PrepareForm(this);
}

void TFileList::fill() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return;
    const QIcon icon = folderIcon();
    for (const contracts::DossierSummary& dossier : contracts::ListDossiers(module->connection())) {
        auto* item = new QTreeWidgetItem(Tree_Global, QStringList{dossier.name});
        item->setData(0, IdRole, dossier.id);
        item->setIcon(0, icon);
    }
    if (Tree_Global->topLevelItemCount() > 0)
        Tree_Global->setCurrentItem(Tree_Global->topLevelItem(0));
    updateButtons();
}

void TFileList::updateButtons() {
    Btn_Ok->setEnabled(!Tree_Global->selectedItems().isEmpty());
}

bool TFileList::choose(QWidget* parent, int& id, QString& name) {
    try {
        TFileList list(parent);
        if (list.exec() != QDialog::Accepted)
            return false;
        const QList<QTreeWidgetItem*> selected = list.Tree_Global->selectedItems();
        if (selected.isEmpty())
            return false;
        id = selected.front()->data(0, IdRole).toInt();
        name = selected.front()->text(0).left(255);
        return true;
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        return false;
    }
}

} // namespace ui
