#include "core/fom.h"
#include "platform/desktopsound.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/random.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ClockSeededRandom random;
    WidgetDialogs dialogs;
    DesktopSoundBackend sound;
    Fom window({random, dialogs, sound, programFolder()});
    dialogs.setParent(&window);
    if (!window.Form_Load()) {
        // No partial start: say which file is missing and stop.
        dialogs.setParent(nullptr);
        dialogs.message(window.StartupError);
        return 1;
    }
    window.show();
    return app.exec();
}
