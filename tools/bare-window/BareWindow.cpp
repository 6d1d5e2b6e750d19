// The yardstick for tools/bench-startup.sh: the least a Qt Widgets program does before its
// first paint, a window with one button, timed by the same probe as the launcher.
#include "app/StartupProbe.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    QPushButton button("OK", &window);
    InstallStartupProbe(&window);
    window.show();
    return app.exec();
}
