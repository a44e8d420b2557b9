#include "core/fom.h"
#include "platform/dialogs.h"
#include "platform/multimedia.h"
#include "platform/programfolder.h"
#include "platform/random.h"
#include "platform/translation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installQtJapanese(); // without it the dialogs keep Qt's English buttons
    ClockSeededRandom random;
    WidgetDialogs dialogs;
    SilentSoundBackend sound;
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
