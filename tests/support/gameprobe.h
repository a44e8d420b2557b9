// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>

class QMainWindow;
struct TestGame;
class QTimer;
class QWidget;

// The one place that knows how the game window is built inside: it makes a
// window on scripted services, names its controls and clocks in the
// player's words, and tells what the player sees and hears. Whatever
// drives or records a game goes through this class only.
class GameProbe
{
public:
    // `draw` gives each random draw in [0, 1); `heard` gets every sound and
    // every box, in plain words, as it happens.
    GameProbe(std::function<double()> draw, std::function<void(const QString &)> heard);
    ~GameProbe();

    // Builds and shows a window on the save folder: false if it did not start.
    bool start();
    // Closes the window as the player does (the autosave runs on close).
    void close();
    // The window vanishes without closing, as when the program is killed.
    void crash();
    QMainWindow *window() const;
    QString saveFolder() const;

    // A control by the player's name for it: "message", "alien", "frame",
    // "prompt", "entry", "おしえる", "つかう", "上書き", "わすれる 名詞",
    // "list 名詞", "option 名詞", "転送箱", "値段"; null if unknown.
    QWidget *control(const QString &name) const;
    // The game's clocks, by name, in the order they were made.
    QList<std::pair<QString, QTimer *>> clocks() const;
    // What the player sees now, one value per name.
    QMap<QString, QString> seen() const;

    // Scripted replies: names typed into input boxes (empty: cancel), the
    // yes/no of questions, and whether each help page is read on. Once a
    // list runs dry: cancel, yes, read on.
    QStringList &names();
    QList<bool> &replies();
    QList<bool> &pages();

private:
    std::unique_ptr<TestGame> m_game;
};
