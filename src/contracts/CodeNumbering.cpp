#include "contracts/CodeNumbering.h"

#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Settings.h"

#include <algorithm>

namespace contracts {

namespace {

const QString AutoCalc = QStringLiteral("AutoCalc");

QString counterKey() {
    return app::DossierKey(QStringLiteral("CodeCount"), app::globals().currentDossierId);
}

} // namespace

QString PadNumber(qint64 n, int width) {
    // A counter edited by hand may be negative: its sign stays in front of the zeros.
    if (n < 0)
        return QLatin1Char('-') + PadNumber(-n, width);
    return QString::number(n).rightJustified(std::clamp(width, 1, 8), QLatin1Char('0'));
}

int ReadCodeCounter() {
    if (app::globals().currentDossierId < 0)
        return 0;
    // Read from the file at each use: the counter must not go back when another copy wrote it.
    return app::IniFile(app::SettingsFilePath()).intValue(AutoCalc, counterKey(), 1);
}

void WriteCodeCounter(int counter) {
    if (app::globals().currentDossierId < 0)
        return;
    const QString path = app::SettingsFilePath();
    app::IniFile ini(path);
    ini.setInt(AutoCalc, counterKey(), counter);
    ini.save(path);
    app::settings().codeCount = counter;
}

QString NextContractCode() {
    const int counter = ReadCodeCounter() + 1;
    WriteCodeCounter(counter);
    const app::Settings& s = app::settings();
    return s.codePrefix + PadNumber(counter, s.formatCodeCount) + s.codeSufix;
}

} // namespace contracts
