#include "ui/FrenchUi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

void installFrenchUi(QApplication& application) {
    const QLocale french(QLocale::French, QLocale::France);
    QLocale::setDefault(french);
    // Parented to the application so that it lives as long as the texts it translates.
    auto* translator = new QTranslator(&application);
    if (translator->load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
    else
        delete translator;
}

bool consoleDialogsRequested() {
    return qEnvironmentVariable("CONTRATS_DIALOGS") == QLatin1String("console");
}

} // namespace ui
