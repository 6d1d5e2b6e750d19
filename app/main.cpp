#include "app/frmSelect.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Parlovex");
    app.setQuitOnLastWindowClosed(false);
    frmSelect launcher;
    launcher.show();
    return app.exec();
}
