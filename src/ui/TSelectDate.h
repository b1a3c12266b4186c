#pragma once

#include <QDate>
#include <QFrame>
#include <QLocale>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

namespace ui {

// The date picker popup: a month calendar with its year and month, steps of one year or one month,
// OK, clear and cancel. Escape or a click elsewhere closes it without a choice. It deletes itself once
// closed.
class TSelectDate : public QFrame {
    Q_OBJECT
  public:
    // Starts from the given date, or from today when it is not valid.
    explicit TSelectDate(const QDate& start, QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate& date);

    // The language of the month names, from the catalogue's "SelectDate"/"String1" ("laFrench").
    static QLocale monthLanguage();

    QLabel* ShedYear_ = nullptr;
    QLabel* ShedMonth_ = nullptr;
    QToolButton* IncShedYear_ = nullptr;
    QToolButton* DecShedYear_ = nullptr;
    QToolButton* IncShedMonth_ = nullptr;
    QToolButton* DecShedMonth_ = nullptr;
    QCalendarWidget* Calendar = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QToolButton* Btn_Clear = nullptr;
    QPushButton* Btn_Cancel = nullptr;

  signals:
    void chosen(const QDate& date);
    void cleared();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QToolButton* stepButton(const char* name, const QString& text, const QString& hint, int years,
                            int months);
    void confirm();
    void clear();

    QLocale m_locale;
    QDate m_date;
    bool m_done = false;
};

} // namespace ui
