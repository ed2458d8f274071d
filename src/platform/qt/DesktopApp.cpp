#include "platform/qt/DesktopApp.h"

#include <QApplication>

namespace vellaro::qt {

int runDesktop(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}

} // namespace vellaro::qt
