#pragma once

#include <QObject>
#include <functional>

namespace ui {

class TMainForm;

// The dossier commands of the file menu, on the window's side: questions, dialogs, the wait box, and the
// main window kept in step. What happens to the data is the contracts layer's (contracts/Dossiers.h).
// Each command reports its error in French and ends with the window's command states refreshed.
class DossierActions : public QObject {
    Q_OBJECT
  public:
    explicit DossierActions(TMainForm& form);

    void ChooseAndOpenDossier();
    void CloseDossier();
    void CreateDossier();
    void EditDossier();
    void DeleteDossier();

  private:
    void run(const std::function<void()>& command);
    void closeOpenDossier();

    TMainForm& m_form;
};

} // namespace ui
