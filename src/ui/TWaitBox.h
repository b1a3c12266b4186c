#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace ui {

// A small frameless box for long work: what is being done, the current step and a gauge. It keeps
// painting because the caller lets pending window messages run between steps.
class TWaitBox : public QWidget {
    Q_OBJECT
  public:
    explicit TWaitBox(QWidget* parent = nullptr);

    // Centred on the desktop's work area, painted at once.
    void start(const QString& task, const QString& message, int maximum);
    void step(const QString& message, int position);

    QLabel* Lab_Task = nullptr;
    QLabel* Lab_Message = nullptr;
    QProgressBar* Gauge = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void refresh();
};

} // namespace ui
