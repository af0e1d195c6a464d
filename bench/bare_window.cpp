// A bare Qt window of the main window's size, linked with Qt Widgets only: what any Qt program
// pays to put a window on the screen (bench/graph_vs_kst.sh times its first map).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1007, 570);
    window.show();
    return application.exec();
}
