// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "gameprobe.h"

#include "widgets/listbox.h"
#include "testgame.h"

#include <QFile>
#include <QMenuBar>
#include <QTest>

namespace {

QString colourName(const QColor &colour)
{
    static const QMap<QRgb, QString> names{{qRgb(255, 0, 0), "red"}, {qRgb(0, 255, 0), "green"}, {qRgb(0, 0, 255), "blue"}, {qRgb(255, 255, 255), "white"}};
    return names.value(colour.rgb(), colour.name());
}

QString state(const QWidget *control)
{
    return QString(control->isEnabled() ? "enabled" : "disabled") + (control->isVisibleTo(control->window()) ? "" : " hidden");
}

QString rows(const QListView *list)
{
    QStringList texts;
    for (int i = 0; i < listbox::count(list); ++i)
        texts << listbox::text(list, i);
    return texts.join(QStringLiteral(" | ")) + QStringLiteral(" (selected %1, %2)").arg(listbox::selected(list)).arg(state(list));
}

// Every item of a menu, by its path of captions: enabled and checked.
void addMenu(QMap<QString, QString> &seen, const QString &path, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString name = path + action->text().remove(u'&');
        seen[name] = QString(action->isEnabled() ? "enabled" : "disabled") + (action->isVisible() ? "" : " hidden")
                     + (action->isCheckable() ? (action->isChecked() ? " checked" : " unchecked") : "");
        if (action->menu())
            addMenu(seen, name + '/', action->menu()->actions());
    }
}

} // namespace

GameProbe::GameProbe(std::function<double()> draw, std::function<void(const QString &)> heard)
    : m_game(std::make_unique<TestGame>())
{
    m_game->random.source = std::move(draw);
    m_game->dialogs.heard = heard;
    m_game->sound.heard = std::move(heard);
}

GameProbe::~GameProbe() = default;

bool GameProbe::start()
{
    QFile::copy(QStringLiteral(GAME_HELP_FILE), m_game->folder.path() + QStringLiteral("help.txt"));
    // The music starts once the first frame is on screen.
    return m_game->start() && QTest::qWaitForWindowExposed(m_game->gameWindow.get());
}

QStringList &GameProbe::names()
{
    return m_game->dialogs.answers;
}

QList<bool> &GameProbe::replies()
{
    return m_game->dialogs.replies;
}

QList<bool> &GameProbe::pages()
{
    return m_game->dialogs.pageReplies;
}

void GameProbe::close()
{
    m_game->gameWindow->close();
}

void GameProbe::crash()
{
    m_game->gameWindow.reset();
}

QMainWindow *GameProbe::window() const
{
    return m_game->gameWindow.get();
}

QString GameProbe::saveFolder() const
{
    return m_game->folder.path();
}

QWidget *GameProbe::control(const QString &name) const
{
    const GameWindow &f = *m_game->gameWindow;
    const QStringList kinds{"名詞", "動詞", "形容詞"};
    const int k = kinds.indexOf(name.section(u' ', 1));
    const QString what = name.section(u' ', 0, 0);
    if (k >= 0)
        return QMap<QString, QWidget *>{{"list", f.wordLists[k]}, {"option", f.wordClassOptions[k]}, {"わすれる", f.forgetButtons[k]}}.value(what);
    const QMap<QString, QWidget *> controls{{"message", f.messageLine},    {"alien", f.alienPicture},     {"frame", f.alienFrame},
                                            {"prompt", f.clickPrompt},  {"entry", f.wordEntry},     {"おしえる", f.teachButton},
                                            {"つかう", f.useButton}, {"上書き", f.overwriteCheck}, {"転送箱", f.itemList},
                                            {"値段", f.priceList}};
    return controls.value(name);
}

QList<std::pair<QString, QTimer *>> GameProbe::clocks() const
{
    const GameWindow &f = *m_game->gameWindow;
    return {{"motion", f.motionClock},      {"face flip", f.faceFlipClock},       {"prompt blink", f.promptBlinkClock},
            {"speech", f.speechClock},   {"question wait", f.questionClock}, {"day", f.dayClock},
            {"recovery pause", f.recoveryPause}};
}

QMap<QString, QString> GameProbe::seen() const
{
    QMap<QString, QString> seen;
    const GameWindow *f = m_game->gameWindow.get();
    seen["window"] = f && f->isVisible() ? "shown" : "gone";
    if (!f)
        return seen;
    const auto &r = f->alienPlace;
    seen["message"] = f->messageLine->caption();
    seen["prompt"] = f->clickPrompt->isVisibleTo(f) ? colourName(f->clickPrompt->foreColor()) : "hidden";
    seen["alien"] = m_game->folder.nameOf(f->alienPicture->picture())
                    + QStringLiteral(" at %1,%2 size %3x%4").arg(r.left).arg(r.top).arg(r.width).arg(r.height);
    seen["tint"] = f->alienTint->isVisibleTo(f) ? colourName(f->alienTint->backColor()) : "hidden";
    seen["question hint"] = f->questionHint->isVisibleTo(f) ? f->questionHint->caption() : "hidden";
    seen["day"] = f->dayLabel->caption() + f->dayUnit->caption();
    seen["money"] = f->moneyLabel->caption() + f->moneyUnit->caption();
    seen["item hint"] = f->itemHint->caption();
    for (const QString &kind : QStringList{"名詞", "動詞", "形容詞"}) {
        seen["list " + kind] = rows(qobject_cast<QListView *>(control("list " + kind)));
        const auto *option = qobject_cast<QAbstractButton *>(control("option " + kind));
        seen["option " + kind] = state(option) + (option->isChecked() ? " chosen" : "");
    }
    seen["転送箱"] = rows(f->itemList);
    seen["値段"] = rows(f->priceList);
    seen["entry"] = '"' + f->wordEntry->text() + "\" " + state(f->wordEntry) + (f->wordEntry->isReadOnly() ? " held" : "") + ' '
                    + colourName(f->wordEntry->foreColor());
    seen["上書き"] = state(f->overwriteCheck) + (f->overwriteCheck->isChecked() ? " checked" : " unchecked");
    for (const QString &button : QStringList{"おしえる", "つかう", "わすれる 名詞", "わすれる 動詞", "わすれる 形容詞"}) {
        const auto *image = static_cast<ImageControl *>(control(button));
        seen[button] = state(image) + ' ' + m_game->folder.nameOf(image->picture()) + (image->appearance() ? " raised" : "");
    }
    addMenu(seen, "menu ", f->menuBar()->actions());
    for (const auto &[name, clock] : clocks())
        seen["clock " + name] = QStringLiteral("%1 ms %2").arg(clock->interval()).arg(clock->isActive() ? "running" : "stopped");
    return seen;
}
