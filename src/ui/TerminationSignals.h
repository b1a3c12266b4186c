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

signals:
    void terminationRequested();

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ui
