// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The game's rules on the model alone: no window, no pictures.

#include "game/gamemodel.h"
#include "game/questions.h"
#include "slot/saveslot.h"
#include "game/texts.h"
#include "scriptedrandom.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using Moods = std::array<qint16, 4>;
using texts::u8;
struct MoodStep { qint16 start; double delta; int expected; };
// The opening's name boxes, always cancelled, and the yes/no of a confirmation.
class TypedPrompts final : public PlayerPrompts
{
public:
    QString askName(const QString &, const QString &) override { return {}; }
    bool confirm(const QString &) override { ++asked; return yes; }
    bool yes = false;
    int asked = 0;
};
// How the farewell ends, T = 30 + Int(draw x 20) words being enough, after
// the endings `seen` before.
struct Choice { Moods moods; int words; double draw; int ending; QList<int> seen = {}; bool opensSpecialMenu = false; };

class TestGameModel : public QObject
{
    Q_OBJECT
    ScriptedRandom random;
    TypedPrompts prompts;
    std::unique_ptr<GameModel> model;

    void setMoods(const Moods &moods)
    {
        GameState state = model->state();
        state.moods = moods;
        model->restore(state);
    }

    // Fills the box with `count` items of the kinds in order, priced from
    // 200 yen up by one yen each; the next arrival goes to `refillPlace`.
    void fillBox(int count, int refillPlace, qint32 money = 0)
    {
        GameState state = model->state();
        state.boxItems.clear();
        state.boxPrices.clear();
        for (int i = 0; i < count; ++i) {
            state.boxItems << texts::u8(texts::itemNames[i % 8]);
            state.boxPrices << QString::number(200 + i);
        }
        state.boxRefillPlace = static_cast<qint16>(refillPlace);
        state.money = money;
        model->restore(state);
    }

    // A game as it starts: the six first words, two per class, and nothing earned.
    void startWithTheFirstWords()
    {
        GameState state;
        for (int k = 0; k < wordClassCount; ++k) {
            state.words[k] = {u8(texts::initialWords[k][0]), u8(texts::initialWords[k][1])};
            state.wordCount[k] = state.writeSlot[k] = 2;
        }
        model->restore(state);
    }
    QList<int> payJoyNouns() const { return {model->pay(), model->mood(Joy), model->wordCount(Noun)}; }

    // Free play after a load of the state as it stands.
    void enterFreePlay()
    {
        GameState state = model->state();
        state.scene = Scene{SceneKind::FreePlay};
        model->restore(state);
        model->resumeAfterLoad();
    }
    // Clicks on (answering `answer`) while the scene is of `kind`, 30 clicks
    // at most: what was said, the first step's line included.
    QStringList clickThrough(SceneKind kind, GameModel::Answer answer = GameModel::Answer::Yes)
    {
        QStringList said{model->message()};
        for (int i = 0; i < 30 && model->scene().kind == kind; ++i) {
            model->answerScene(answer);
            said << model->message();
        }
        return said;
    }
    bool running(GameClock which) const { return model->clock(which).running; }

private Q_SLOTS:
    void init()
    {
        random.script({});
        random.fallback = 0.0;
        prompts = TypedPrompts();
        model = std::make_unique<GameModel>(random, prompts);
        startWithTheFirstWords();
    }

    void addMood_data()
    {
        QTest::addColumn<MoodStep>("step");
        QTest::newRow("clamps at the top") << MoodStep{480, 30.0, 500};
        QTest::newRow("clamps at the bottom") << MoodStep{-490, -30.0, -500};
        QTest::newRow("half goes down to even") << MoodStep{2, 0.5, 2};
        QTest::newRow("half goes up to even") << MoodStep{3, 0.5, 4};
        QTest::newRow("a fall of a half goes down to even") << MoodStep{0, -1.5, -2};
        QTest::newRow("just below the top rounds to it") << MoodStep{499, 0.6, 500};
    }
    void addMood()
    {
        QFETCH(MoodStep, step);
        setMoods({0, step.start, 0, 0});
        model->addMood(Anger, step.delta);
        QCOMPARE(model->mood(Anger), step.expected);
    }

    // The strongest mood from 30 up picks the face; the strongest pull, up
    // or down, picks the motion, and a new motion is told so it starts from rest.
    void faceAndMotion_data()
    {
        QTest::addColumn<Moods>("moods");
        QTest::addColumn<QList<int>>("faceAndMotion");
        QTest::newRow("tie goes to anger") << Moods{40, 40, 0, 0} << QList<int>{4, 0};
        QTest::newRow("below 30 stays neutral") << Moods{29, 0, 0, 0} << QList<int>{0, 0};
        QTest::newRow("30 shows joy") << Moods{30, 0, 0, 0} << QList<int>{2, 0};
        QTest::newRow("deep low mood moves hard") << Moods{10, -120, 0, 0} << QList<int>{0, 2};
        QTest::newRow("ease at 50 wobbles vertically") << Moods{0, 0, 0, 50} << QList<int>{8, 1};
        QTest::newRow("sorrow at 100") << Moods{0, 0, 100, 0} << QList<int>{6, 2};
        QTest::newRow("low of -99 is still mild") << Moods{0, -99, 0, 0} << QList<int>{0, 1};
    }
    void faceAndMotion()
    {
        QFETCH(Moods, moods);
        QFETCH(QList<int>, faceAndMotion);
        setMoods(moods);
        QSignalSpy restarted(model.get(), &GameModel::motionRestarted);
        model->addMood(Joy, 0); // the face follows any change of mood
        QCOMPARE((QList<int>{model->face(), model->motion()}), faceAndMotion);
        QCOMPARE(restarted.count(), faceAndMotion[1] == 0 ? 0 : 1);
    }

    void priceAgainstMoney_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("moneyAfter");
        QTest::newRow("nothing chosen") << -1 << int(GameModel::UseResult::NothingChosen) << 200;
        QTest::newRow("one yen short") << 1 << int(GameModel::UseResult::TooDear) << 200;
        QTest::newRow("every last yen") << 0 << int(GameModel::UseResult::Used) << 0;
    }
    void priceAgainstMoney()
    {
        QFETCH(int, row);
        QFETCH(int, result);
        QFETCH(int, moneyAfter);
        fillBox(2, 2, 200);
        QCOMPARE(int(model->useItem(row)), result);
        QCOMPARE(model->money(), moneyAfter);
        QCOMPARE(model->boxSize(), moneyAfter == 0 ? 1 : 2);
    }

    // Items 0..3 raise joy, anger, sorrow, ease by 5..14; items 4..7 lower them.
    void effectsOfItems_data()
    {
        QTest::addColumn<int>("item");
        for (int item = 0; item < 8; ++item)
            QTest::addRow("%d", item) << item;
    }
    void effectsOfItems()
    {
        QFETCH(int, item);
        const double draws[4] = {0.0, 0.99, 0.5, 0.2};
        const qint16 amounts[4] = {5, 14, 10, 7};
        fillBox(8, 8, 10000);
        random.script({draws[item % 4]});
        model->useItem(item);
        Moods expected{0, 0, 0, 0};
        expected[item % 4] = item < 4 ? amounts[item % 4] : qint16(-amounts[item % 4]);
        QCOMPARE(model->state().moods, expected);
    }

    void newWordThenDuplicate()
    {
        model->setWordClass(Noun);
        random.script({0.5, 0.99}); // pay 150, mood delta 1.98
        QVERIFY(model->teach(u8("ほし"), -1));
        QCOMPARE(model->word(Noun, 2), u8("ほし"));
        QCOMPARE(payJoyNouns(), (QList<int>{150, 2, 3}));
        QVERIFY(!model->teach(u8("ほし"), -1));
        QCOMPARE(model->message(), u8("もう、その言葉は知ってる"));
        QCOMPARE(payJoyNouns(), (QList<int>{150, 2, 3}));
        // An empty word counts as known.
        model->setWordClass(Adjective);
        QVERIFY(!model->teach(QString(), -1));
        // The pay stops at its top.
        GameState state = model->state();
        state.pay = 32700;
        model->restore(state);
        random.script({0.99, 0.0});
        model->teach(QStringLiteral("x"), -1);
        QCOMPARE(model->pay(), 32767);
    }

    void overwriteReplacesTheChosenWord()
    {
        model->setWordClass(Noun);
        QVERIFY(model->teach(u8("たろう"), 0)); // the draws 0 pay 50
        QCOMPARE(model->state().words[Noun], (QStringList{u8("たろう"), u8("もけもけ")}));
        QCOMPARE(payJoyNouns(), (QList<int>{50, 0, 2}));
        // Overwriting with a word the list holds is refused.
        QVERIFY(!model->teach(u8("たろう"), 1));
        QCOMPARE(model->state().words[Noun], (QStringList{u8("たろう"), u8("もけもけ")}));
    }

    void fullListWrapsAroundPastTheFirstTwo()
    {
        GameState state = model->state();
        for (int i = 2; i < 4999; ++i)
            state.words[Verb] << QStringLiteral("w%1").arg(i);
        state.wordCount[Verb] = 5000;
        state.writeSlot[Verb] = 4999; // the slot the next word takes is empty
        model->restore(state);
        model->setWordClass(Verb);
        model->teach(QStringLiteral("last"), -1);
        QCOMPARE(model->wordCount(Verb), 5000);
        model->teach(QStringLiteral("wrapped"), -1);
        QCOMPARE((QStringList{model->word(Verb, 4999), model->word(Verb, 2)}), (QStringList{"last", "wrapped"}));
        QCOMPARE(model->state().words[Verb].size(), 5000);
        QCOMPARE(int(model->state().writeSlot[Verb]), 3);
    }

    // The alien's sentences, each pattern with scripted draws.
    void sentence_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, QList<double> draws, const char *expected) {
            QTest::newRow(name) << draws << u8(expected);
        };
        // Pattern 0: adjective, x, noun, particle, verb, ending, y.
        row("full sentence", {0.0, 0.5, 0.0, 0.0, 0.0, 0.5, 0.0, 0.0}, "楽しいももじろが好きだったのです");
        row("adjective dropped at x 90", {0.0, 0.5, 0.9, 0.0, 0.2, 0.5, 0.0, 0.0}, "ももじろは好きだったのです");
        row("no ending ends in a noun", {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12, 0.5, 0.5}, "切ないももじろがもけもけ");
        row("no ending keeps the verb below 50", {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12, 0.49}, "切ないももじろが大好き");
        // Pattern 1: adjective and a tail by x.
        row("adjective with ne", {0.25, 0.0, 0.5}, "切ないね");
        row("adjective with na", {0.25, 0.5, 0.99}, "楽しいな");
        row("adjective alone", {0.25, 0.0, 0.29}, "切ない");
        // Pattern 2: verb and a tail by x.
        row("verb with nanchatte tail", {0.5, 0.5, 0.3}, "好きしちゃいそう");
        // Pattern 3: noun, particle, adjective, ending.
        row("noun particle adjective ending", {0.75, 0.5, 0.8, 0.5, 0.5}, "もけもけと楽しいするらしいですね");
    }
    void sentence()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, expected);
        random.script(draws);
        QCOMPARE(model->composeSentence(), expected);
        QCOMPARE(random.remaining(), 0);
    }

    // Joy falls and anger, sorrow and ease rise with the ticks waited; past
    // 31 ticks the wait counts no more. The draw picks the question.
    void waitingTime_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<Moods>("moods");
        QTest::newRow("answered at once") << 0 << Moods{3, 0, 0, 2};
        QTest::newRow("eleven ticks round down") << 11 << Moods{-1, 11, 5, -1};
        QTest::newRow("31 ticks") << 31 << Moods{-7, 31, 15, -5};
        QTest::newRow("longer counts as 31") << 50 << Moods{-7, 31, 15, -5};
    }
    void waitingTime()
    {
        QFETCH(int, ticks);
        QFETCH(Moods, moods);
        model->clockElapsed(GameClock::QuestionWait); // a wait before the announcement does not count
        model->startScene(SceneKind::Announcement);
        setMoods({0, 0, 0, 0});
        for (int i = 0; i < ticks; ++i)
            model->clockElapsed(GameClock::QuestionWait);
        random.script({0.99});
        model->answerScene(GameModel::Answer::Yes);
        QCOMPARE(model->scene().number, questionCount - 1);
        QCOMPARE(model->state().moods, moods);
    }

    // No two questions ask the same.
    void questionsAreAllDifferent()
    {
        QSet<QString> asked;
        for (int n = 0; n < questionCount; ++n)
            asked.insert(u8(question(n).text));
        QCOMPARE(asked.size(), questionCount);
    }

    // Every scene the slot can name, both ways; the files keep the first
    // version's mode texts byte for byte.
    void sceneInTheSlot_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<Scene>("scene");
        QTest::newRow("free play") << "tyu" << Scene{SceneKind::FreePlay};
        QTest::newRow("title") << "stop" << Scene{SceneKind::Title};
        QTest::newRow("opening") << "open" << Scene{SceneKind::Opening};
        QTest::newRow("report") << "houkoku" << Scene{SceneKind::Report};
        QTest::newRow("farewell") << "ending" << Scene{SceneKind::Farewell};
        QTest::newRow("preview") << "ugoki" << Scene{SceneKind::Preview};
        QTest::newRow("announcement") << "situ" << Scene{SceneKind::Announcement};
        QTest::newRow("question 0") << "0ivent" << Scene{SceneKind::Question, 0};
        QTest::newRow("question 20") << "20ivent" << Scene{SceneKind::Question, 20};
        QTest::newRow("ending 0") << u8("親愛関係") << Scene{SceneKind::Ending, 0};
        QTest::newRow("ending 7") << u8("宇宙人下僕") << Scene{SceneKind::Ending, 7};
    }
    void sceneInTheSlot()
    {
        QFETCH(QString, mode);
        QFETCH(Scene, scene);
        SaveSlot slot = model->toSlot();
        slot.sceneMode = mode;
        model->loadSlot(slot);
        QCOMPARE(model->scene(), scene);
        QCOMPARE(model->toSlot(), slot);
    }

    // A load in the middle of a question takes its answer hint down and
    // plays on from the slot.
    void loadTakesTheQuestionDown()
    {
        enterFreePlay();
        const SaveSlot saved = model->toSlot();
        model->startScene(SceneKind::Question, 3);
        QVERIFY(model->questionHintShown());
        model->loadSlot(saved);
        model->resumeAfterLoad();
        QVERIFY(!model->questionHintShown());
        QCOMPARE(model->scene().kind, SceneKind::FreePlay);
    }

    // Each list is saved with the row after its last word; that row is no
    // word once loaded. The eighth ending is not kept by the slot.
    void slotRoundTrip()
    {
        GameState state = model->state();
        state.moods = {1, -2, 3, -4};
        state.money = 4321;
        state.endingSeen = {true, false, false, false, false, false, true, true};
        state.options = {false, true, true, false, true};
        model->restore(state);
        SaveSlot slot = model->toSlot();
        QCOMPARE(slot.words[Verb], (QStringList{u8("大好き"), u8("好き"), QString()}));
        slot.words[Verb].last() = QStringLiteral("left over");
        GameModel loaded(random);
        QSignalSpy options(&loaded, &GameModel::optionChanged); // each option is applied, changed or not
        loaded.loadSlot(slot);
        QCOMPARE(options.count(), optionCount);
        QCOMPARE(loaded.state().words[Verb].size(), 2);
        QCOMPARE(loaded.state().moods, state.moods);
        QCOMPARE(loaded.money(), 4321);
        QVERIFY(loaded.endingSeen(6) && !loaded.endingSeen(7));
        QCOMPARE(loaded.state().options, state.options);
    }

    // The strongest mood (ties to the later one) and enough words choose
    // the ending; the special menu opens once endings 0..6 have been seen,
    // the eighth is not needed.
    void endingChoice_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::newRow("all equal, enough words") << Choice{{0, 0, 0, 0}, 50, 0.99, 3};
        QTest::newRow("all equal, too few") << Choice{{0, 0, 0, 0}, 29, 0.0, 7};
        QTest::newRow("joy ties anger") << Choice{{100, 100, 0, 0}, 60, 0.5, 1};
        QTest::newRow("joy with 50 words") << Choice{{90, 0, 0, 0}, 50, 0.99, 0};
        QTest::newRow("joy with 29 words") << Choice{{90, 0, 0, 0}, 29, 0.0, 4};
        QTest::newRow("40 words meet T 40") << Choice{{0, 0, 80, 0}, 40, 0.5, 2};
        QTest::newRow("40 words miss T 41") << Choice{{0, 0, 80, 0}, 40, 0.55, 6};
        QTest::newRow("anger, too few") << Choice{{0, 10, -5, 3}, 35, 0.3, 5};
        QTest::newRow("0 completes 0..6") << Choice{{200, 0, 0, 0}, 100, 0.0, 0, {1, 2, 3, 4, 5, 6}, true};
        QTest::newRow("6 still missing") << Choice{{0, 0, 0, 0}, 100, 0.0, 3, {0, 1, 2, 4, 5, 7}, false};
    }
    void endingChoice()
    {
        QFETCH(Choice, choice);
        GameState state = model->state();
        state.moods = choice.moods;
        state.wordCount = {static_cast<qint16>(choice.words - 12), 5, 7}; // every list counts
        for (int k : choice.seen)
            state.endingSeen[k] = true;
        model->restore(state);
        random.script({choice.draw});
        const int ending = model->chooseEnding();
        QCOMPARE(ending, choice.ending);
        QSignalSpy seen(model.get(), &GameModel::endingsSeenChanged);
        model->markEndingSeen(ending);
        QCOMPARE(seen.count(), 1);
        QCOMPARE(model->specialUnlocked(), choice.opensSpecialMenu);
    }

    // The alien hands over the month's pay, the official sends items and
    // says how talkative the alien is by the words of all three lists;
    // free play then comes back with its clocks.
    void report_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("comment");
        QTest::newRow("29 words") << 29 << u8("無口だね～");
        QTest::newRow("30 words") << 30 << u8("まぁまぁ喋るようになったね");
        QTest::newRow("49 words") << 49 << u8("まぁまぁ喋るようになったね");
        QTest::newRow("50 words") << 50 << u8("割と喋るようになったね");
        QTest::newRow("99 words") << 99 << u8("割と喋るようになったね");
        QTest::newRow("100 words") << 100 << u8("随分と饒舌になったね");
    }
    void report()
    {
        QFETCH(int, words);
        QFETCH(QString, comment);
        GameState state = model->state();
        state.wordCount = {static_cast<qint16>(words - 12), 5, 7};
        state.pay = 345;
        state.money = 1000;
        model->restore(state);
        QSignalSpy motion(model.get(), &GameModel::alienMotionChanged);
        model->startScene(SceneKind::Report);
        const QStringList said = clickThrough(SceneKind::Report);
        QCOMPARE(said.mid(0, 7), (QStringList{u8("いつも　ありがとう"), u8("これ・・・おれい・・・\r\n345円だけだけど・・"),
                                             u8("また・・・よろしくね・・・"), u8("や、"),
                                             u8("どうだい？\r\n今月もエールを送っておいたよ\r\nいや、御礼は要らないぞ"),
                                             u8("しかし彼は、\r\n") + comment, u8("ま、これからも　がんばって")}));
        QCOMPARE(said.size(), 8); // the last click says a sentence of free play
        QCOMPARE(model->money(), 1345);
        QCOMPARE(model->pay(), 0);
        QCOMPARE(model->boxSize(), 2);
        // The official stands still; the alien moves again once it is over.
        QCOMPARE(motion.first().first().toBool(), false);
        QCOMPARE(motion.last().first().toBool(), true);
        QVERIFY(running(GameClock::Speech) && running(GameClock::Day) && !running(GameClock::PromptBlink));
        QVERIFY(!model->sceneLocked());
    }

    // A click on the alien in free play announces a question with its
    // chime; its wait clock runs until the next click asks. The answer is
    // the click's, or the one a press picked when Enter goes on.
    void questionFlow_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("yes click on the alien") << true << false;
        QTest::newRow("no click on the alien") << false << false;
        QTest::newRow("yes press, then Enter") << true << true;
        QTest::newRow("no press, then Enter") << false << true;
    }
    void questionFlow()
    {
        QFETCH(bool, yes);
        QFETCH(bool, byEnter);
        enterFreePlay();
        const auto answer = yes ? GameModel::Answer::Yes : GameModel::Answer::No;
        const auto other = yes ? GameModel::Answer::No : GameModel::Answer::Yes;
        QSignalSpy effects(model.get(), &GameModel::effectWanted);
        model->alienClicked(other);
        QCOMPARE(model->scene().kind, SceneKind::Announcement);
        QCOMPARE(effects.count(), 1);
        QCOMPARE(effects.first().first().toInt(), 1);
        QVERIFY(running(GameClock::QuestionWait));
        setMoods({0, 0, 0, 0});
        model->alienClicked(answer); // the alien is not asking yet: nothing happens
        QCOMPARE(effects.count(), 1);
        random.script({8.5 / questionCount});
        model->answerScene(other);
        QCOMPARE(model->scene(), (Scene{SceneKind::Question, 8, 1}));
        QVERIFY(!running(GameClock::QuestionWait) && model->questionHintShown());
        QCOMPARE(model->message(), u8("わたしが　すきですか"));
        const Moods waited = model->state().moods;
        if (byEnter) {
            model->pressAnswer(answer);
            model->continueScene();
        } else {
            model->alienClicked(answer);
        }
        QCOMPARE(model->message(), u8(yes ? "っぽ" : "いや～ん"));
        QVERIFY(!model->questionHintShown());
        QCOMPARE(model->mood(Joy) - waited[Joy], yes ? 20 : -20);
        model->alienClicked(other); // answered: the alien takes no second answer
        QCOMPARE(model->scene(), (Scene{SceneKind::Question, 8, 2}));
        model->answerScene(other);
        QCOMPARE(model->scene().kind, SceneKind::FreePlay);
    }

    // The alien's verdict on each mood (70, 50, 30 the thresholds), the
    // official's thanks with the player's name, and the ending chosen,
    // marked seen and named.
    void farewell_data()
    {
        QTest::addColumn<Moods>("moods");
        QTest::addColumn<QStringList>("verdicts");
        QTest::addColumn<int>("ending");
        QTest::newRow("70 50 30 29") << Moods{70, 50, 30, 29}
            << QStringList{u8("とても　よかった"), u8("それなりに　いかりも　わいたけど"), u8("さみしかったです"), u8("いごこち　わるい　です")} << 4;
        QTest::newRow("69 49 29 70") << Moods{69, 49, 29, 70}
            << QStringList{u8("それなりに　よかった"), u8("それなりに　いらいら　したけど"), u8("あったかかったです"), u8("わたしたちと　とても　ちかい")} << 7;
        QTest::newRow("30 70 50 49") << Moods{30, 70, 50, 49}
            << QStringList{u8("ふつうでした"), u8("それなりに　むっとしたり　したけど"), u8("なみだが　でそうだったです"), u8("それなりで　した")} << 5;
        QTest::newRow("29 29 70 50") << Moods{29, 29, 70, 50}
            << QStringList{u8("よくなかった"), u8("ちっとも　きにさわらなかったけど"), u8("かなしいこと　だらけでした"), u8("ちょっと　きんしんかん　わき　ます")} << 6;
    }
    void farewell()
    {
        QFETCH(Moods, moods);
        QFETCH(QStringList, verdicts);
        QFETCH(int, ending);
        model->replaceWord(Noun, 0, u8("たけし"));
        setMoods(moods);
        model->startScene(SceneKind::Farewell);
        const QStringList said = clickThrough(SceneKind::Farewell);
        QCOMPARE(said.size(), 14);
        QCOMPARE(said.mid(2, 4), (QStringList{u8("あなたと　すごせて\r\n") + verdicts[0] + u8("\r\nです"), verdicts[1],
                                             u8("それでも\r\n") + verdicts[2], u8("この　ちきゅうという　ほしは\r\n") + verdicts[3]}));
        QCOMPARE(said.at(11), u8("たけし君には、感謝しているよ。\r\nありがとう"));
        QCOMPARE(said.at(13), QStringLiteral("Ending NO.「") + u8(texts::endingTitles[ending]) + QStringLiteral("」"));
        QCOMPARE(model->scene(), (Scene{SceneKind::Ending, ending, 0}));
        QVERIFY(model->endingSeen(ending));
        QVERIFY(model->sceneLocked()); // the ending follows at once
    }

    // A replay during a game ends it only if the player confirms; during an
    // ending the game is already over, and nothing is asked.
    void replayAsksFirst_data()
    {
        QTest::addColumn<SceneKind>("during");
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << SceneKind::FreePlay << true;
        QTest::newRow("no") << SceneKind::FreePlay << false;
        QTest::newRow("during an ending") << SceneKind::Ending << false;
    }
    void replayAsksFirst()
    {
        QFETCH(SceneKind, during);
        QFETCH(bool, yes);
        enterFreePlay();
        if (during == SceneKind::Ending)
            model->startScene(SceneKind::Ending, 1);
        prompts.yes = yes;
        model->replayEnding(3);
        QCOMPARE(prompts.asked, during == SceneKind::FreePlay ? 1 : 0);
        QCOMPARE(model->scene(), yes || during == SceneKind::Ending ? (Scene{SceneKind::Ending, 3, 1}) : Scene{SceneKind::FreePlay});
        QCOMPARE(running(GameClock::Day), model->scene().kind == SceneKind::FreePlay);
    }
};

QTEST_GUILESS_MAIN(TestGameModel)
#include "test_gamemodel.moc"
