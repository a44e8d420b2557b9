// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The transfer box: items sent by the official, and buying them for the alien.

#include "game/gamemodel.h"

#include "game/texts.h"

namespace {
constexpr int boxCapacity = 10;
} // namespace

QString GameModel::item(int row) const
{
    return m_state.boxItems.value(row);
}

QString GameModel::price(int row) const
{
    return m_state.boxPrices.value(row);
}

QString GameModel::hintFor(const QString &item)
{
    for (int i = 0; i < texts::itemKinds; ++i) {
        if (texts::u8(texts::itemNames[i]) == item)
            return texts::u8(texts::itemHints[i]);
    }
    return QString();
}

void GameModel::refillBox()
{
    // Once the box is full, new arrivals replace the oldest from the top.
    qint16 &place = m_state.boxRefillPlace;
    if (place >= boxCapacity)
        place = 0;
    if (place < m_state.boxItems.size() && !m_state.boxItems[place].isEmpty()) {
        m_state.boxItems.removeAt(place);
        m_state.boxPrices.removeAt(place);
        Q_EMIT itemRemoved(place);
    }
    // Every item can arrive, "明日の予定" included; its price is drawn apart.
    const int row = static_cast<int>(qMin<qsizetype>(place, m_state.boxItems.size()));
    m_state.boxItems.insert(row, texts::u8(texts::itemNames[drawInt(m_random, texts::itemKinds)]));
    m_state.boxPrices.insert(qMin<int>(row, m_state.boxPrices.size()), QString::number(drawInt(m_random, 800) + 200));
    Q_EMIT itemInserted(row);
    ++place;
}

void GameModel::receiveShipment()
{
    const int n = drawInt(m_random, 5) + 1;
    for (int i = 0; i <= n; ++i)
        refillBox();
}

GameModel::UseResult GameModel::useItem(int row)
{
    if (row < 0)
        return UseResult::NothingChosen;
    // A price that cannot be read is refused like one the player cannot afford.
    bool isNumber = false;
    const qint64 cost = price(row).toLongLong(&isNumber);
    if (!isNumber || cost > m_state.money || cost < 0)
        return UseResult::TooDear;
    const QString name = item(row);
    for (int i = 0; i < texts::itemKinds; ++i) {
        if (texts::u8(texts::itemNames[i]) == name) {
            // The first four items raise one mood, the other four lower one.
            const int amount = drawInt(m_random, 10) + 5;
            addMood(i % 4, i < 4 ? amount : -amount);
            break;
        }
    }
    if (m_state.boxRefillPlace > 0)
        --m_state.boxRefillPlace;
    setMoney(static_cast<qint32>(m_state.money - cost));
    m_state.boxItems.removeAt(row);
    m_state.boxPrices.removeAt(row);
    Q_EMIT itemRemoved(row);
    return UseResult::Used;
}
