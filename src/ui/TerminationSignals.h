#pragma once

#include <QObject>

class QSocketNotifier;

namespace ui {

// Turns SIGTERM and SIGINT (a session logout, a service manager, Ctrl+C) into a Qt signal delivered
// in the event loop, so that the main window closes as if the user had closed it and the settings
// are saved. One instance per process; the default handlers come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isActive() const { return m_notifier != nullptr; }
    // A signal came already (while a modal box of start-up ran its own loop, say).
    bool requested() const { return m_requested; }

  signals:
    void terminationRequested();

  private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace ui
