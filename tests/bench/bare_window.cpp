// The yardstick of the start-up benchmark: a bare Qt window of the main window's
// size, built against the same Qt, shown as soon as the event loop runs.
#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    const int width = argc > 1 ? std::atoi(argv[1]) : 748;
    const int height = argc > 2 ? std::atoi(argv[2]) : 117;
    w.setWindowTitle(QStringLiteral("bare"));
    w.setFixedSize(width, height);
    w.show();
    return QApplication::exec();
}
