#include "scenario/ScenarioRunner.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: vellaro-scenario FILE...\n");
        return 2;
    }
    return vellaro::scenario::runFiles(files);
}
