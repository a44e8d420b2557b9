// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// Each writer produces one family of the game's data files in `dir`.
// They throw AssetError when a file cannot be made.

#include <QString>

void writeFaces(const QString &dir);     // 0.bmp .. 9.bmp
void writeButtons(const QString &dir);   // osieru, siyou, coma, comb
void writeScenes(const QString &dir);    // stt, erai, did, end
void writeEndings(const QString &dir);   // end0.bmp .. end7.bmp
void writeSounds(const QString &dir);    // bgm.wav, se0.wav .. se4.wav
void writeHelp(const QString &dir, const QString &source);  // help.txt in cp932
// hicolor/scalable/apps/NAME.svg and hicolor/NxN/apps/NAME.png under `dir`
void writeIcons(const QString &dir, const QString &name);
