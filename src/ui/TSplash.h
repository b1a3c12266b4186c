#pragma once

#include "app/Startup.h"

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;

namespace ui {

class TWaitBox;

// The start-up window: product, version, copyright, the step under way and a gauge. Start-up keeps it
// up to date whether it is shown or not, and shows it only when the settings ask for it.
class TSplash : public QWidget, public app::StartupObserver {
    Q_OBJECT
  public:
    static constexpr int GaugeMaximum = 6;

    explicit TSplash(QWidget* parent = nullptr);
    ~TSplash() override;

    void showSplash() override;
    void setSplashGauge(int value) override;
    void setSplashMessage(const QString& text) override;
    void processEvents() override;
    void showWaitBox(const QString& task, const QString& message, int maximum) override;
    void setWaitBoxStep(const QString& message, int position) override;
    void closeWaitBox() override;

    QLabel* version_ = nullptr;
    QLabel* Lab_Copyright = nullptr;
    QLabel* info = nullptr;
    QProgressBar* barre = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void centreOnScreen();

    std::unique_ptr<TWaitBox> m_waitBox; // the first-run transfer, before the splash shows
};

// "Copyright © 2008 ..." with 2008 replaced by the current year.
QString copyrightText();

} // namespace ui
