#pragma once

#include <QDate>
#include <QStringList>
#include <QtGlobal>

namespace cli {

// A small generator of our own (splitmix64), so that one seed gives the same dossier on every machine
// and with every standard library.
class FixtureRandom {
  public:
    explicit FixtureRandom(quint64 seed) : m_state(seed) {}

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. count-1
    int below(int count) { return count <= 0 ? 0 : int(next() % quint64(count)); }
    // low .. high, both included
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    const QString& pick(const QStringList& list) { return list.at(below(int(list.size()))); }
    QDate dateBetween(const QDate& first, const QDate& last) {
        return first.addDays(below(int(first.daysTo(last)) + 1));
    }

  private:
    quint64 m_state;
};

} // namespace cli
