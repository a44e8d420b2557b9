// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Fixed texts and tables of the game.
namespace texts {

inline QString gameTitle() { return QStringLiteral("もけもけ～ゆらぐも～"); }
inline const QString crlf = QStringLiteral("\r\n");

inline constexpr int itemKinds = 8;
inline constexpr const char *itemNames[itemKinds] = {
    "ふにょふにょの球", "透明な石", "死んだ魚の骨", "クリーミーせっけん",
    "氷", "誰かのクツ", "恋文", "明日の予定",
};
inline constexpr const char *itemHints[itemKinds] = {
    "喜ばれるかも", "怒りを呼び覚ますかも", "哀しみが増すかも", "リラックスするかも",
    "興奮から冷めるかも", "冷静になれるかも", "慰められるかも", "ちょっと緊張するかも",
};

inline constexpr const char *joshi[5] = {"が", "は", "に", "を", "と"};

inline constexpr const char *gobi[9] = {
    "だったのです", "", "とか　いってみたりします", "だったり", "するらしいですね",
    "だったんでしょうか", "したとききました", "するんだそうですね", "しちゃったらしいです",
};

// The six words every alien knows from the start: two per class, in teaching order.
inline constexpr const char *initialWords[3][2] = {
    {"ももじろ", "もけもけ"},
    {"大好き", "好き"},
    {"切ない", "楽しい"},
};

inline constexpr const char *endingTitles[8] = {
    "親愛関係", "人間下僕", "愚痴関係", "友好関係", "すれ違い", "宇宙戦争", "二度と来ない", "宇宙人下僕",
};

inline QString u8(const char *text) { return QString::fromUtf8(text); }

} // namespace texts
