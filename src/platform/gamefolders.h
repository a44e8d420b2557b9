// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Where the game reads its data (pictures, sounds, help.txt) and where it
// keeps its save slot. A copy that has its data beside the program (the
// build, a portable copy) keeps everything together there; an installed game
// reads its installed data folder and keeps the slot in the player's own data
// folder, so nothing is ever written under the install prefix and every
// player on the machine has a slot of their own.

// The folders one run of the game can choose from.
struct FolderCandidates
{
    QString programFolder;       // where the program itself lies
    QString installedDataFolder; // share/<id>/ of the installation
    QString userDataFolder;      // the player's data folder; may not exist yet; empty when there is none
    bool programFolderWritable = false;
    QString userDataProblem; // why there is no user data folder
};

struct GameFolders
{
    QString appPath;     // data folder, ending in '/'
    QString savePath;    // save slot folder, ending in '/'; created by the first save; empty when there is none
    QString saveProblem; // why there is no save folder, in one line; empty when there is one
};

// Pure decision, so that every combination can be tested without touching
// the disk beyond looking for the data.
GameFolders resolveGameFolders(const FolderCandidates &candidates);

// The candidates of this run: the running program's folder, the data folder
// installed alongside it and the player's data folder of the application,
// found by the XDG rules: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share when HOME is a folder other than "/"; otherwise there is
// none, rather than one under "/" or the working folder. Call after the
// application's name is set.
FolderCandidates currentFolderCandidates();
