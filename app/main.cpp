#include "app/StartupProbe.h"
#include "app/frmSelect.h"
#include "platform/Faces.h"
#include "platform/StylePictures.h"
#include "services/SharedState.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::UseProgramFont();
    app.setApplicationName("Parlovex");
    app.setQuitOnLastWindowClosed(false);
    Shared().CommandLine = app.arguments().mid(1).join(QLatin1Char(' '));
    platform::PreloadGroupBoxFramePicture();
    frmSelect launcher;
    InstallStartupProbe(&launcher);
    launcher.show();
    return app.exec();
}
