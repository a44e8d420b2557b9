// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "game/listmodels.h"

GameListModel::GameListModel(GameModel &game, Source source, QObject *parent)
    : QAbstractListModel(parent)
    , m_game(game)
    , m_source(source)
    , m_rowCount(static_cast<int>(rows().size()))
{
    if (source == Source::BoxItems || source == Source::BoxPrices) {
        connect(&game, &GameModel::itemInserted, this, &GameListModel::inserted);
        connect(&game, &GameModel::itemRemoved, this, &GameListModel::removed);
        connect(&game, &GameModel::boxReset, this, &GameListModel::reset);
        return;
    }
    const int wordClass = static_cast<int>(source);
    connect(&game, &GameModel::wordInserted, this, [this, wordClass](int k, int row) {
        if (k == wordClass)
            inserted(row);
    });
    connect(&game, &GameModel::wordRemoved, this, [this, wordClass](int k, int row) {
        if (k == wordClass)
            removed(row);
    });
    connect(&game, &GameModel::wordsReset, this, [this, wordClass](int k) {
        if (k == wordClass)
            reset();
    });
}

const QStringList &GameListModel::rows() const
{
    switch (m_source) {
    case Source::BoxItems:
        return m_game.state().boxItems;
    case Source::BoxPrices:
        return m_game.state().boxPrices;
    default:
        return m_game.state().words[static_cast<int>(m_source)];
    }
}

int GameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows().size())
        return QVariant();
    return rows()[index.row()];
}

void GameListModel::inserted(int row)
{
    beginInsertRows(QModelIndex(), row, row);
    ++m_rowCount;
    endInsertRows();
}

void GameListModel::removed(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    --m_rowCount;
    endRemoveRows();
}

void GameListModel::reset()
{
    beginResetModel();
    m_rowCount = static_cast<int>(rows().size());
    endResetModel();
}
