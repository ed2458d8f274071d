#include "platform/qt/DesktopApp.h"

int main(int argc, char** argv) {
    return vellaro::qt::runDesktop(argc, argv);
}
