// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Between the model and the save slot. The slot names its scene by the mode
// texts of the first version of the game; they live here and nowhere else.

#include "game/gamemodel.h"

#include "game/questions.h"
#include "game/savedgame.h"
#include "game/texts.h"

namespace {

struct NamedScene
{
    SceneKind kind;
    const char *mode;
};

constexpr NamedScene namedScenes[] = {
    {SceneKind::FreePlay, "tyu"}, {SceneKind::Title, "stop"},     {SceneKind::Opening, "open"},
    {SceneKind::Report, "houkoku"}, {SceneKind::Farewell, "ending"}, {SceneKind::Preview, "ugoki"},
    {SceneKind::Announcement, "situ"}, {SceneKind::NotStarted, ""},
};

const QLatin1String questionSuffix("ivent");

QString sceneMode(const Scene &scene)
{
    if (scene.kind == SceneKind::Question)
        return QString::number(scene.number) + questionSuffix;
    if (scene.kind == SceneKind::Ending)
        return texts::u8(texts::endingTitles[scene.number]);
    for (const NamedScene &named : namedScenes) {
        if (named.kind == scene.kind)
            return QLatin1String(named.mode);
    }
    return QString();
}

// The slot reader has already refused every mode that is no scene.
Scene sceneOfMode(const QString &mode)
{
    for (const NamedScene &named : namedScenes) {
        if (mode == QLatin1String(named.mode))
            return {named.kind, 0, 0};
    }
    for (int k = 0; k < endingCount; ++k) {
        if (mode == texts::u8(texts::endingTitles[k]))
            return {SceneKind::Ending, k, 0};
    }
    if (mode.endsWith(questionSuffix))
        return {SceneKind::Question, mode.chopped(questionSuffix.size()).toInt(), 0};
    return {};
}

} // namespace

bool isSceneMode(const QString &mode)
{
    // An empty mode is a game not begun, which no save keeps.
    if (!mode.isEmpty() && std::ranges::any_of(namedScenes, [&](const NamedScene &named) { return mode == QLatin1String(named.mode); }))
        return true;
    for (const char *title : texts::endingTitles) {
        if (mode == texts::u8(title))
            return true;
    }
    for (int n = 0; n < questionCount; ++n) {
        if (mode == QString::number(n) + questionSuffix)
            return true;
    }
    return false;
}

SaveSlot GameModel::toSlot() const
{
    SaveSlot slot;
    for (int k = 0; k < wordClassCount; ++k) {
        // Each list ends with the row after its last word.
        for (int i = 0; i <= m_state.wordCount[k]; ++i)
            slot.words[k] << word(k, i);
    }
    slot.items = m_state.boxItems;
    slot.prices = m_state.boxPrices;
    slot.mood = m_state.moods;
    slot.pay = m_state.pay;
    slot.money = m_state.money;
    slot.day = m_state.day;
    slot.wordCount = m_state.wordCount;
    slot.wordSlot = m_state.writeSlot;
    slot.boxCount = m_state.boxRefillPlace;
    slot.moveKind = m_state.motion;
    slot.face = m_state.face;
    slot.wordKind = m_state.wordClass;
    for (int i = 0; i < 7; ++i) // the eighth ending is not kept
        slot.endingSeen[i] = m_state.endingSeen[i];
    slot.option = m_state.options;
    slot.sceneMode = sceneMode(m_state.scene);
    return slot;
}

void GameModel::loadSlot(const SaveSlot &slot)
{
    GameState loaded = m_state;
    // The row after the last word is no word and never a row of the list.
    for (int k = 0; k < wordClassCount; ++k)
        loaded.words[k] = slot.words[k].mid(0, slot.wordCount[k]);
    loaded.boxItems = slot.items;
    loaded.boxPrices = slot.prices;
    loaded.moods = slot.mood;
    loaded.pay = slot.pay;
    loaded.money = slot.money;
    loaded.day = slot.day;
    loaded.wordCount = slot.wordCount;
    loaded.writeSlot = slot.wordSlot;
    loaded.boxRefillPlace = slot.boxCount;
    loaded.motion = slot.moveKind;
    loaded.face = slot.face;
    loaded.wordClass = slot.wordKind;
    for (int i = 0; i < 7; ++i)
        loaded.endingSeen[i] = slot.endingSeen[i];
    loaded.options = slot.option;
    loaded.scene = sceneOfMode(slot.sceneMode);
    restore(loaded);
    for (int i = 0; i < optionCount; ++i)
        setOption(static_cast<Option>(i), loaded.options[i]);
}
