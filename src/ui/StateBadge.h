#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// The coloured badge beside the contract's state: green for a signed contract, olive (a little less
// glossy) for a project, navy for an archived one, near-white otherwise; the state word in white.
class StateBadge : public QWidget {
    Q_OBJECT
  public:
    explicit StateBadge(QWidget* parent = nullptr);

    void setState(const QString& state);
    const QString& text() const { return m_text; }
    const QColor& colour() const { return m_colour; }
    // Strength of the glossy highlight, 0-255.
    int gloss() const { return m_gloss; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_text;
    QColor m_colour;
    int m_gloss = 0;
};

} // namespace ui
