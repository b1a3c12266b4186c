#include "ui/DossierActions.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/UserDialogs.h"
#include "contracts/Dossiers.h"
#include "db/TDataModule1.h"
#include "ui/TEnterFile.h"
#include "ui/TEnterPassWord.h"
#include "ui/TFileList.h"
#include "ui/TMainForm.h"
#include "ui/TWaitBox.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

namespace ui {

namespace {

db::TDataModule1& module() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        throw app::AppError(QStringLiteral("La base de données n'est pas ouverte."));
    return *module;
}

// The dossier deletion's progress shown in the wait box; the box is repainted only when its gauge moves
// by a visible step, so that a large dossier is not slowed down by its own progress.
class WaitBoxProgress : public db::DeletionProgress {
  public:
    explicit WaitBoxProgress(TWaitBox& box) : m_box(box) {}
    void setMessage(const QString& text) override { m_box.step(text, m_position); }
    void setMaximum(int maximum) override {
        m_maximum = std::max(1, maximum);
        m_position = 0;
        m_box.Gauge->setMaximum(m_maximum);
        m_box.step(m_box.Lab_Message->text(), 0);
    }
    void advance() override {
        ++m_position;
        if (m_position * 100 / m_maximum != (m_position - 1) * 100 / m_maximum || m_position == m_maximum)
            m_box.step(m_box.Lab_Message->text(), m_position);
    }

  private:
    TWaitBox& m_box;
    int m_maximum = 1;
    int m_position = 0;
};

// The main window disabled, the busy cursor and the wait box, for the time of a deletion: all three are
// undone however the deletion ends.
class BusyWindow {
  public:
    BusyWindow(QWidget& window, TWaitBox& box) : m_window(window), m_box(box) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_window.setEnabled(false);
    }
    ~BusyWindow() {
        m_window.setEnabled(true);
        m_box.close();
        QApplication::restoreOverrideCursor();
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

  private:
    QWidget& m_window;
    TWaitBox& m_box;
};

} // namespace

DossierActions::DossierActions(TMainForm& form) : QObject(&form), m_form(form) {}

void DossierActions::run(const std::function<void()>& command) {
    try {
        if (m_form.commitEdits())
            command();
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        m_form.DropVanishedContract();
    }
    m_form.RefreshCommandStates();
}

void DossierActions::closeOpenDossier() {
    contracts::CloseDossierData(module());
    m_form.ShowClosedDossier();
}

void DossierActions::ChooseAndOpenDossier() {
    run([this] {
        int id = -1;
        QString name;
        if (!TFileList::choose(&m_form, id, name))
            return;
        // The open dossier is closed before the chosen one's password is asked for.
        if (app::globals().currentDossierId != -1)
            closeOpenDossier();
        const QString password = contracts::ReadDossierPassword(module(), id);
        if (password.isEmpty()) {
            m_form.OpenDossierContracts(id, name);
            return;
        }
        QString typed;
        if (!TEnterPassWord::ask(&m_form, typed))
            return;
        if (contracts::PasswordMatches(typed, password))
            m_form.OpenDossierContracts(id, name);
        else
            app::dialogs().message(app::MessageKind::Information, QStringLiteral("Mot de passe incorrect !"));
    });
}

void DossierActions::CloseDossier() {
    run([this] { closeOpenDossier(); });
}

void DossierActions::CreateDossier() {
    run([this] {
        db::Dataset& dossiers = module().MainFile;
        dossiers.close();
        dossiers.open();
        dossiers.append();
        bool created = false;
        int id = -1;
        QString name;
        try {
            created = TEnterFile::edit(&m_form, dossiers);
            if (created) {
                id = static_cast<int>(dossiers.integer(QStringLiteral("ID")));
                name = dossiers.text(QStringLiteral("LoginName"));
            }
        } catch (...) {
            dossiers.cancel();
            dossiers.close();
            throw;
        }
        dossiers.cancel();
        dossiers.close();
        // The new dossier takes the place of the open one, whose settings are not saved.
        if (created)
            m_form.OpenDossierContracts(id, name);
    });
}

void DossierActions::EditDossier() {
    run([this] {
        db::Dataset& dossiers = module().MainFile;
        dossiers.close();
        dossiers.open();
        try {
            if (!dossiers.locate(QStringLiteral("ID"), app::globals().currentDossierId))
                throw app::AppError(QStringLiteral("Ce dossier n'existe plus : il a sans doute été supprimé."));
            dossiers.edit();
            TEnterFile::edit(&m_form, dossiers);
        } catch (...) {
            dossiers.cancel();
            dossiers.close();
            throw;
        }
        dossiers.cancel();
        dossiers.close();
    });
}

void DossierActions::DeleteDossier() {
    run([this] {
        const int id = app::globals().currentDossierId;
        if (id == -1 ||
            !app::dialogs().confirm(QStringLiteral("Confirmez-vous la suppression de ce dossier ?")))
            return;
        app::dialogs().message(
            app::MessageKind::Warning,
            QStringLiteral("Aucune sauvegarde de la base n'a été faite avant cette suppression : "
                           "la sauvegarde automatique n'est pas encore disponible dans cette "
                           "version."));
        TWaitBox box(&m_form);
        box.start(QStringLiteral("Suppression du dossier"), QStringLiteral("Quelques instants, SVP ..."), 1);
        box.move(m_form.geometry().center() - QPoint(box.width() / 2, box.height() / 2));
        const BusyWindow busy(m_form, box);
        WaitBoxProgress progress(box);
        try {
            contracts::DeleteDossierData(module(), id, &progress);
        } catch (...) {
            // A failure after the dossier was closed still leaves the window without it.
            if (app::globals().currentDossierId == -1)
                m_form.ShowClosedDossier();
            throw;
        }
        m_form.ShowClosedDossier();
    });
}

} // namespace ui
