#include "ui/TSelectDate.h"

#include "app/Clock.h"
#include "app/TextCatalogue.h"
#include "contracts/RecordEditing.h"
#include "ui/Icons.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

QLocale TSelectDate::monthLanguage() {
    const QString language =
        app::GetText(QStringLiteral("SelectDate"), QStringLiteral("String1"), QStringLiteral("laFrench"));
    static const struct {
        const char* name;
        QLocale::Language language;
    } known[] = {{"laFrench", QLocale::French},        {"laEnglish", QLocale::English},
                 {"laGerman", QLocale::German},        {"laSpanish", QLocale::Spanish},
                 {"laItalian", QLocale::Italian},      {"laDutch", QLocale::Dutch},
                 {"laPortuguese", QLocale::Portuguese}};
    for (const auto& entry : known)
        if (language.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return QLocale(entry.language);
    return QLocale(QLocale::French, QLocale::France);
}

TSelectDate::TSelectDate(const QDate& start, QWidget* parent)
    : QFrame(parent, Qt::Popup), m_locale(monthLanguage()) {
    setObjectName(QStringLiteral("SelectDate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);

    DecShedYear_ = stepButton("DecShedYear_", QStringLiteral("«"), QStringLiteral("Année précédente"), -1, 0);
    ShedYear_ = new QLabel(this);
    ShedYear_->setObjectName(QStringLiteral("ShedYear_"));
    ShedYear_->setAlignment(Qt::AlignCenter);
    ShedYear_->setMinimumWidth(ShedYear_->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    IncShedYear_ = stepButton("IncShedYear_", QStringLiteral("»"), QStringLiteral("Année suivante"), 1, 0);
    DecShedMonth_ = stepButton("DecShedMonth_", QStringLiteral("‹"), QStringLiteral("Mois précédent"), 0, -1);
    ShedMonth_ = new QLabel(this);
    ShedMonth_->setObjectName(QStringLiteral("ShedMonth_"));
    ShedMonth_->setAlignment(Qt::AlignCenter);
    ShedMonth_->setMinimumWidth(ShedMonth_->fontMetrics().horizontalAdvance(QStringLiteral("SEPTEMBRE__")));
    IncShedMonth_ = stepButton("IncShedMonth_", QStringLiteral("›"), QStringLiteral("Mois suivant"), 0, 1);

    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setNavigationBarVisible(false);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setLocale(m_locale);
    Calendar->setFirstDayOfWeek(Qt::Monday);
    connect(Calendar, &QCalendarWidget::selectionChanged, this,
            [this] { setDate(Calendar->selectedDate()); });
    // Enter or a double-click on a day confirms it.
    connect(Calendar, &QCalendarWidget::activated, this, [this](const QDate& date) {
        setDate(date);
        confirm();
    });

    Btn_Clear = new QToolButton(this);
    Btn_Clear->setObjectName(QStringLiteral("Btn_Clear"));
    Btn_Clear->setIcon(ButtonIcon(QStringLiteral("clear")));
    if (Btn_Clear->icon().isNull())
        Btn_Clear->setText(QStringLiteral("×"));
    Btn_Clear->setToolTip(QStringLiteral("Effacer la date"));
    Btn_Ok = new QPushButton(QStringLiteral(" &Ok"), this);
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    Btn_Cancel = new QPushButton(QStringLiteral(" &Annuler"), this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(Btn_Ok, &QPushButton::clicked, this, &TSelectDate::confirm);
    connect(Btn_Clear, &QToolButton::clicked, this, &TSelectDate::clear);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* heading = new QHBoxLayout;
    heading->addWidget(DecShedYear_);
    heading->addWidget(ShedYear_);
    heading->addWidget(IncShedYear_);
    heading->addStretch(1);
    heading->addWidget(DecShedMonth_);
    heading->addWidget(ShedMonth_);
    heading->addWidget(IncShedMonth_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Btn_Clear);
    buttons->addStretch(1);
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(heading);
    layout->addWidget(Calendar, 1);
    layout->addLayout(buttons);

    setFocusProxy(Calendar);
    setDate(start.isValid() ? start : app::clock::today());
}

QToolButton* TSelectDate::stepButton(const char* name, const QString& text, const QString& hint, int years,
                                     int months) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, years, months] {
        setDate(years != 0 ? contracts::StepYears(m_date, years) : contracts::StepMonths(m_date, months));
    });
    return button;
}

void TSelectDate::setDate(const QDate& date) {
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    ShedYear_->setText(QString::number(date.year()));
    ShedMonth_->setText(m_locale.standaloneMonthName(date.month(), QLocale::LongFormat).toUpper());
    Calendar->setSelectedDate(date);
    Calendar->setCurrentPage(date.year(), date.month());
}

void TSelectDate::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void TSelectDate::confirm() {
    if (m_done)
        return;
    m_done = true;
    const QDate date = m_date;
    close();
    emit chosen(date);
}

void TSelectDate::clear() {
    if (m_done)
        return;
    m_done = true;
    close();
    emit cleared();
}

} // namespace ui
