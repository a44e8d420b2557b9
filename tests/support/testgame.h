#pragma once

#include "core/fom.h"
#include "core/texts.h"
#include "platform/multimedia.h"
#include "platform/services.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Draws come from a script; once it runs dry every draw is `fallback`.
class ScriptedRandom final : public RandomSource
{
public:
    double next() override;
    void script(std::initializer_list<double> draws) { m_queue = QList<double>(draws); }
    void script(const QList<double> &draws) { m_queue = draws; }
    int remaining() const { return static_cast<int>(m_queue.size()); }
    int drawsTaken = 0;
    double fallback = 0.0;

private:
    QList<double> m_queue;
};

// Answers input boxes from a list (an empty answer is a cancel) and yes/no
// questions from another (yes once it runs dry), and records every message box
// and question.
class ScriptedDialogs final : public Dialogs
{
public:
    void message(const QString &text) override { messages.append(text); }
    QString input(const QString &prompt, const QString &title) override;
    bool ask(const QString &question) override;
    QStringList answers;
    QList<bool> replies;
    QStringList questions;
    QStringList prompts;
    QStringList titles;
    QStringList messages;
};

class RecordingSound final : public SoundBackend
{
public:
    void sendCommand(const QString &command, QString *reply) override;
    void playWave(const QString &path) override { waves.append(path); }
    QStringList commands;
    QStringList waves;
    QString statusReply;
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
    void remove(const QString &fileName) const;
    static QStringList allPictureNames();

private:
    QTemporaryDir m_dir;
};

// A game window on the scripted services, ready to play.
struct TestGame
{
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    PictureFolder folder;
    std::unique_ptr<Fom> fom;

    // Loads and shows the window: the title scene is then on screen.
    bool start();
    // Clicks the message area once, as the player does.
    void click(int button = 1);
    // From the title through the opening (both names cancelled) into free play.
    void playIntoFreePlay();
    // The file that the alien picture now shows.
    QString shownPicture() const { return folder.nameOf(fom->Img->picture()); }
    QStringList words(int k) const;

    // A new game already in free play, its names given by `names` (none:
    // both dialogs cancelled); null when start-up failed.
    static std::unique_ptr<TestGame> inFreePlay(const QStringList &names = {});
};
