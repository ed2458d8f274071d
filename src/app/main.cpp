#include "app/DesktopApp.h"

int main(int argc, char** argv) {
    return vellaro::qt::runDesktop(argc, argv);
}
