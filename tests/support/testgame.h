// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "view/gamewindow.h"
#include "game/texts.h"
#include "slot/saveslot.h"
#include "platform/fileops.h"
#include "platform/services.h"
#include "sound/soundoutput.h"
#include "scriptedrandom.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Answers input boxes from a list (an empty answer is a cancel), yes/no
// questions from another (yes once it runs dry) and help pages from a third
// (read on once it runs dry), and records every box: a failure's text goes
// with the messages, its reason with `details`. `whileOpen` runs inside each
// box, as the game stands behind it; `heard` gets each box in plain words.
class ScriptedDialogs final : public Dialogs
{
public:
    void message(const QString &text) override
    {
        open(QStringLiteral("box: ") + text);
        messages.append(text);
    }
    void failure(const QString &text, const QString &reason) override
    {
        open(QStringLiteral("box: %1 (details: %2)").arg(text, reason));
        messages.append(text);
        details.append(reason);
    }
    QString input(const QString &prompt, const QString &title) override
    {
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        open(QStringLiteral("input box [%1] %2 -> %3").arg(title, prompt, answer.isEmpty() ? QStringLiteral("cancel") : '"' + answer + '"'));
        return answer;
    }
    bool ask(const QString &question, const QString &reason, bool yesByDefault) override
    {
        const bool yes = replies.isEmpty() || replies.takeFirst();
        open(QStringLiteral("question box: %1 (details: %2, default %3) -> %4").arg(question, reason, yesNo(yesByDefault), yesNo(yes)));
        questions.append(question);
        details.append(reason);
        return yes;
    }
    bool helpPage(const QString &text, int number, int count) override
    {
        const bool next = pageReplies.isEmpty() || pageReplies.takeFirst();
        const QString page = QStringLiteral("%1/%2").arg(number).arg(count);
        open(QStringLiteral("help page %1: %2 -> %3").arg(page, text, next ? QStringLiteral("next") : QStringLiteral("close")));
        messages.append(text);
        pageNumbers.append(page);
        return next;
    }
    QStringList answers, questions, messages, details, pageNumbers;
    QList<bool> replies, pageReplies;
    std::function<void()> whileOpen;
    std::function<void(const QString &)> heard;

private:
    static QString yesNo(bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); }
    void open(const QString &box) const
    {
        if (heard)
            heard(box);
        if (whileOpen)
            whileOpen();
    }
};

// Records the game's sound requests in order: "music open <path>", "music
// play", "music stop", "music close" and "effect <path>"; `heard` gets each
// as "sound: ...", a file by its name alone.
class RecordingSound final : public SoundOutput
{
public:
    void openMusic(const QString &path) override { record(QStringLiteral("music open "), path); }
    void playMusic() override { record(QStringLiteral("music play")); }
    void stopMusic() override { record(QStringLiteral("music stop")); }
    void closeMusic() override { record(QStringLiteral("music close")); }
    void playEffect(const QString &path) override { record(QStringLiteral("effect "), path); }
    QStringList requests;
    std::function<void(const QString &)> heard;

private:
    void record(const QString &request, const QString &path = {})
    {
        requests.append(request + path);
        if (heard)
            heard(QStringLiteral("sound: ") + request + QFileInfo(path).fileName());
    }
};

// A program folder with every picture the game loads, each a flat colour of
// its own so that a test can tell which file a control shows.
class PictureFolder
{
public:
    PictureFolder();
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    // The file a picture was loaded from, or "" when it is empty or unknown.
    QString nameOf(const QPixmap &picture) const;
    void remove(const QString &fileName) const { QFile::remove(path() + fileName); }

private:
    QTemporaryDir m_dir;
};

// A valid slot: the status line a save of an early game writes, with word
// files that match its counters (2, 2 and 3 words) and one item in the box.
SlotBytes exampleSlotFiles();
// That status line with one field (counted from 1) replaced.
QByteArray exampleStatusWith(int field, const QByteArray &value);
// Writes the six files into `folder`.
void writeSlotFiles(const QString &folder, const SlotBytes &files);

// A game window on the scripted services, ready to play.
struct TestGame
{
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    PictureFolder folder;
    FileOps *files = nullptr; // the real disk unless a test sets it
    QString savePath;         // beside the pictures unless a test sets it
    QString saveFolderProblem; // why there is no save folder, if a test says so
    std::unique_ptr<GameWindow> gameWindow;

    // Loads and shows the window: the title scene is then on screen.
    bool start();
    // Clicks the message area once, as the player does.
    void click(int button = 1);
    // From the title through the opening (both names cancelled) into free play.
    void playIntoFreePlay();
    // The file that the alien picture now shows.
    QString shownPicture() const { return folder.nameOf(gameWindow->alienPicture->picture()); }
    QStringList words(int k) const;
    // Changes the game's state at once, as a load would.
    void edit(const std::function<void(GameState &)> &change);

    // A new game already in free play, its names given by `names` (none:
    // both dialogs cancelled); null when start-up failed.
    static std::unique_ptr<TestGame> inFreePlay(const QStringList &names = {});
};

// The real disk, with operations made to fail: the n-th (counting from 1)
// fails once, and every one named like "write str.dat.new" fails each time,
// as a full disk or a vanished folder would, with the system's words for it;
// or, as a killed process, every operation from the n-th on does nothing.
class FaultyFileOps final : public FileOps
{
public:
    enum Mode { FailOne, StopFromThere };
    void failAt(int n, Mode mode = FailOne) { m_failAt = n; m_mode = mode; m_count = 0; }
    void failOn(const QString &operation) { m_failOn = operation; }
    int operations() const { return m_count; }

    Entry entry(const QString &path) override
    {
        m_injected = false;
        return m_disk.entry(path);
    }
    std::optional<QStringList> names(const QString &folder) override { return m_disk.names(folder); }
    std::optional<QByteArray> read(const QString &path, qint64 limit) override
    {
        return pass("read", path) ? m_disk.read(path, limit) : std::nullopt;
    }
    bool write(const QString &path, const QByteArray &bytes) override;
    // A flush only matters if the machine loses power, which no test
    // simulates: it is counted and can fail, but skips the disk's slow sync.
    bool sync(const QString &path) override { return pass("sync", path) && m_disk.exists(path); }
    bool syncFolder(const QString &folder) override { return pass("syncFolder", folder); }
    bool rename(const QString &from, const QString &to) override { return pass("rename", from) && m_disk.rename(from, to); }
    bool remove(const QString &path) override { return pass("remove", path) && m_disk.remove(path); }
    bool makeFolder(const QString &folder) override { return pass("makeFolder", folder) && m_disk.makeFolder(folder); }
    // A failure made here reads as the disk's own would.
    QString lastError() const override { return m_injected ? m_error : m_disk.lastError(); }

private:
    bool pass(const char *operation, const QString &path);
    DiskFileOps m_disk;
    int m_failAt = 0, m_count = 0;
    QString m_failOn;
    Mode m_mode = FailOne;
    bool m_injected = false;
    QString m_error;
};
