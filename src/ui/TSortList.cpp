#include "ui/TSortList.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/TextCatalogue.h"
#include "app/UserDialogs.h"
#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TSortList::TSortList(const QString& path, QWidget* parent)
    : QDialog(parent), m_path(path), m_lines(contracts::ReadSortList(path)) {
    setObjectName(QStringLiteral("SortList"));

    auto* titleBar = MakeTitleBar(this, QStringLiteral("  Trier la base sur ..."), Title);

    List_Sort = new QListWidget(this);
    List_Sort->setObjectName(QStringLiteral("List_Sort"));
    List_Sort->setMinimumSize(320, 300);
    m_filling = true;
    const int dossierId = app::globals().currentDossierId;
    for (const contracts::SortLine& line : m_lines) {
        auto* item = new QListWidgetItem(contracts::SortCaption(line.caption, dossierId), List_Sort);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(line.selected ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
    if (List_Sort->count() > 0)
        List_Sort->setCurrentRow(0);
    connect(List_Sort, &QListWidget::itemChanged, this, &TSortList::ticked);

    auto* buttons = MakeOkCancel(this, Btn_Ok, Btn_Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(List_Sort, 1);
    layout->addLayout(buttons);

    PrepareForm(this);
}

void TSortList::ticked(QListWidgetItem* item) {
    if (m_filling)
        return;
    const int row = List_Sort->row(item);
    const bool wanted = item->checkState() == Qt::Checked;
    if (row < 0 || row >= m_lines.size() || m_lines[row].selected == wanted)
        return;
    if (!contracts::SetSortLineSelected(m_lines, row, wanted)) {
        m_filling = true;
        item->setCheckState(Qt::Unchecked);
        m_filling = false;
        app::dialogs().message(app::MessageKind::Information,
                               QStringLiteral("Vous ne pouvez pas sélectionner plus de 10 champs."));
    }
}

void TSortList::accept() {
    try {
        contracts::WriteSortList(m_path, m_lines);
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        return;
    }
    QDialog::accept();
}

bool ChooseSortOrder(QWidget* parent) {
    const QString path = contracts::SortListPath();
    if (!QFileInfo(path).isFile()) {
        app::dialogs().message(app::MessageKind::Error,
                               app::GetText(QStringLiteral("Lib_SearchData"), QStringLiteral("Message1"),
                                            QStringLiteral("Fichier \"SortList.Def\" introuvable.")));
        return false;
    }
    try {
        TSortList dialog(path, parent);
        return dialog.exec() == QDialog::Accepted;
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        return false;
    }
}

} // namespace ui
