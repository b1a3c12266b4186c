#pragma once

#include <QDate>
#include <QDateTime>

namespace app::clock {

// Local date and time; tests may fix them.
QDateTime now();
QDate today();
void setFixed(const QDateTime& moment);
void clearFixed();

} // namespace app::clock
