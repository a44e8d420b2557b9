// assetgen OUTPUT_DIR HELP_SOURCE
// Draws, synthesises and converts every data file the game loads at run time.
// The output is the same byte for byte on every run, so builds stay reproducible.

#include "assetgen.h"
#include "canvas.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);  // fonts need a GUI application, even offscreen
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_DIR HELP_SOURCE\n");
        return 2;
    }
    const QString dir = args[1];
    try {
        if (!QDir().mkpath(dir))
            throw AssetError("cannot create " + dir.toStdString());
        requireGameFont();
        writeFaces(dir);
        writeButtons(dir);
        writeScenes(dir);
        writeEndings(dir);
        writeSounds(dir);
        writeHelp(dir, args[2]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
