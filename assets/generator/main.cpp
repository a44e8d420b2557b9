// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// assetgen OUTPUT_DIR HELP_SOURCE
// assetgen --icons ICON_DIR NAME   (the desktop icons, in a hicolor tree)
// Draws, synthesises and converts every data file the game loads at run time.
// The output is the same byte for byte on every run, so builds stay reproducible.

#include "assetgen.h"
#include "canvas.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Writes what the arguments ask for; false when they ask for nothing known.
bool writeRequested(const QStringList &args)
{
    if (args.size() == 4 && args[1] == "--icons") {
        writeIcons(args[2], args[3]);
        return true;
    }
    if (args.size() != 3)
        return false;
    const QString dir = args[1];
    if (!QDir().mkpath(dir))
        throw AssetError("cannot create " + dir.toStdString());
    requireGameFont();
    writeFaces(dir);
    writeButtons(dir);
    writeScenes(dir);
    writeEndings(dir);
    writeSounds(dir);
    writeHelp(dir, args[2]);
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);  // fonts need a GUI application, even offscreen
    try {
        if (!writeRequested(app.arguments())) {
            std::fprintf(stderr, "usage: assetgen OUTPUT_DIR HELP_SOURCE\n"
                                 "       assetgen --icons ICON_DIR NAME\n");
            return 2;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
