// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/gamemodel.h"

#include <QAbstractListModel>

// One list of the game model as rows for a list view: a class's words, the
// box's items or their prices. The rows live in the game model; this only
// passes its changes on, row by row, so a view keeps its selection and
// scroll position as the game changes.
class GameListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    enum class Source { Nouns, Verbs, Adjectives, BoxItems, BoxPrices };
    GameListModel(GameModel &game, Source source, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const QStringList &rows() const;
    void inserted(int row);
    void removed(int row);
    void reset();

    GameModel &m_game;
    Source m_source;
    // The count the view was last told of: between a change of the game
    // and its telling, the view must still see the old count.
    int m_rowCount = 0;
};
