#include "cli/CliCommands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    return cli::run(application.arguments().mid(1));
}
