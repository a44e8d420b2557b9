// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The model's state as a whole, the moods and the face they give, days and
// money, options, scenes, questions and endings.

#include "game/gamemodel.h"

#include "game/questions.h"
#include "game/rounding.h"

#include <cmath>

namespace {

constexpr int moodLimit = 500;
constexpr int newGameMoney = 1000;

// Int of a real quotient: towards minus infinity.
int floorDiv(int numerator, int denominator)
{
    return static_cast<int>(std::floor(static_cast<double>(numerator) / denominator));
}

// A game with no one to ask: no name is typed, nothing is confirmed.
class NoPrompts final : public PlayerPrompts
{
public:
    QString askName(const QString &, const QString &) override { return QString(); }
    bool confirm(const QString &) override { return false; }
};

PlayerPrompts &noPrompts()
{
    static NoPrompts none;
    return none;
}

} // namespace

GameModel::GameModel(RandomSource &random, QObject *parent)
    : GameModel(random, noPrompts(), parent)
{
}

GameModel::GameModel(RandomSource &random, PlayerPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_random(random)
    , m_prompts(prompts)
{
}

void GameModel::restore(const GameState &state)
{
    m_state = state;
    for (int k = 0; k < wordClassCount; ++k)
        Q_EMIT wordsReset(k);
    Q_EMIT boxReset();
    Q_EMIT moneyChanged(m_state.money);
    Q_EMIT dayChanged(m_state.day);
    Q_EMIT endingsSeenChanged();
}

void GameModel::addMood(int which, double delta)
{
    const double sum = m_state.moods[which] + delta;
    const auto kept = sum >= moodLimit ? moodLimit : (sum <= -moodLimit ? -moodLimit : roundHalfEven(sum));
    m_state.moods[which] = static_cast<qint16>(kept);
    updateFace();
}

void GameModel::updateFace()
{
    const auto &moods = m_state.moods;
    // Ties go to the higher index, for the strongest and the weakest mood alike.
    int dominant = 0;
    int weakest = 0;
    for (int i = 1; i < moodCount; ++i) {
        if (moods[i] >= moods[dominant])
            dominant = i;
        if (moods[i] <= moods[weakest])
            weakest = i;
    }
    // A deep low mood stirs the alien as much as a high one.
    const int strength = qMax<int>(moods[dominant], -moods[weakest]);
    m_state.face = static_cast<qint16>(moods[dominant] < 30 ? 0 : 2 * dominant + 2);
    const qint16 motion = static_cast<qint16>(strength >= 100 ? 2 : (strength >= 50 ? 1 : 0));
    if (motion == m_state.motion)
        return;
    m_state.motion = motion;
    Q_EMIT motionRestarted(); // a new motion starts from rest
}

void GameModel::showFaceAndMotion(int face, int motion)
{
    m_state.face = static_cast<qint16>(face);
    m_state.motion = static_cast<qint16>(motion);
}

void GameModel::setMoney(qint32 money)
{
    m_state.money = money;
    Q_EMIT moneyChanged(money);
}

void GameModel::payMonth()
{
    setMoney(m_state.money + m_state.pay);
    m_state.pay = 0;
}

void GameModel::advanceDay()
{
    ++m_state.day;
    Q_EMIT dayChanged(m_state.day);
}

void GameModel::tickQuestionWait()
{
    // Past 30 ticks the alien is as cross as it gets.
    if (m_state.questionWait <= 30)
        ++m_state.questionWait;
}

int GameModel::endQuestionWait()
{
    // The longer it waited, the crosser and sadder it is.
    const int q = m_state.questionWait;
    addMood(Anger, q);
    addMood(Sorrow, floorDiv(q, 2));
    addMood(Joy, floorDiv(10 - q, 3));
    addMood(Ease, floorDiv(10 - q, 5));
    // Every question can come up, the last two included.
    return drawInt(m_random, questionCount);
}

bool GameModel::wantsToAsk()
{
    const int x = drawInt(m_random, 100);
    return option(Option::AlienQuestions) && x > 89;
}

void GameModel::answer(bool yes)
{
    const Question &asked = question(m_state.scene.number);
    for (int i = 0; i < moodCount; ++i)
        addMood(i, yes ? asked.yes[i] : asked.no[i]);
}

int GameModel::chooseEnding()
{
    // How many words count as "enough" is drawn anew at each farewell: 30..49.
    const int enough = drawInt(m_random, 20) + 30;
    int best = 0;
    for (int i = 1; i < moodCount; ++i) {
        if (m_state.moods[i] >= m_state.moods[best])
            best = i;
    }
    return totalWords() >= enough ? best : best + 4;
}

void GameModel::markEndingSeen(int ending)
{
    m_state.endingSeen[ending] = true;
    Q_EMIT endingsSeenChanged();
}

bool GameModel::specialUnlocked() const
{
    // Endings 0 to 6 must all have been seen; the eighth is not needed.
    for (int i = 0; i <= 6; ++i) {
        if (!m_state.endingSeen[i])
            return false;
    }
    return true;
}

void GameModel::setOption(Option which, bool on)
{
    m_state.options[static_cast<int>(which)] = on;
    Q_EMIT optionChanged(which, on);
    if (which == Option::FastDays)
        setClockInterval(GameClock::Day, on ? 1000 : 10000);
}

void GameModel::setScene(SceneKind kind, int number)
{
    m_state.scene = Scene{kind, number, 0};
}

bool GameModel::gameInProgress() const
{
    const SceneKind kind = m_state.scene.kind;
    return kind != SceneKind::Title && kind != SceneKind::Preview && kind != SceneKind::Ending;
}

void GameModel::startNewGame()
{
    m_state.boxItems.clear();
    m_state.boxPrices.clear();
    Q_EMIT boxReset();
    m_state.moods = {0, 0, 0, 0};
    m_state.pay = 0;
    m_state.boxRefillPlace = 0;
    setMoney(newGameMoney);
    m_state.day = 0;
    Q_EMIT dayChanged(0);
    m_state.face = 0;
    m_state.motion = 0;
}
