#include "core/program.h"
#include "platform/desktopidentity.h"
#include "platform/gamefolders.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    introduceToDesktop();
    return playGame(resolveGameFolders(currentFolderCandidates()));
}
