// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The game's rules on the model alone: no window, no pictures.

#include "game/gamemodel.h"
#include "game/questions.h"
#include "slot/saveslot.h"
#include "game/texts.h"
#include "scriptedrandom.h"

#include <QSignalSpy>
#include <QTest>

using Moods = std::array<qint16, 4>;
using texts::u8;
struct MoodStep { qint16 start; double delta; int expected; };
// How the farewell ends, T = 30 + Int(draw x 20) words being enough, after
// the endings `seen` before.
// Names typed into the opening's boxes, and the yes/no of a confirmation.
class TypedPrompts final : public PlayerPrompts
{
public:
    QString askName(const QString &, const QString &) override { return names.isEmpty() ? QString() : names.takeFirst(); }
    bool confirm(const QString &) override { ++asked; return yes; }
    QStringList names;
    bool yes = false;
    int asked = 0;
};
struct Choice { Moods moods; int words; double draw; int ending; QList<int> seen = {}; bool opensSpecialMenu = false; };

// Every question with its replies and mood changes (joy, anger, sorrow, ease)
// for yes and for no.
struct AskedQuestion { const char *text, *yesReply, *noReply; Moods yes, no; };
static const AskedQuestion questions[] = {
    {"ひとりは　さみしい　もの？", "そうなの", "そうなの", {3, -3, 10, 5}, {7, 5, -5, -5}},
    {"ゆめで　ないたこと　ある？", "ぼくも", "ぼく　あるの", {5, -3, -5, 10}, {1, 1, 5, -5}},
    {"このほしは　きぼうで　あふれてますか？", "うらやましい・・・", "かなしい・・・", {10, 5, -3, -5}, {3, 5, 10, 5}},
    {"すきな　ほしにんげんは　いますか？", "どきどき・・・", "さみしい・・・", {10, -5, 3, -3}, {5, 2, 10, 5}},
    {"きらいな　ほしにんげんは　いますか？", "いたい", "そう・・・", {-5, 8, 5, -8}, {8, -5, -5, 10}},
    {"うつくしいものは　こわれやすい　のですか？", "あうあう・・", "ほんとう？", {3, 5, 8, 5}, {-3, -5, -5, 3}},
    {"きたないものは　きたないだけですか", "いりません", "しんじつ・・・", {-5, 9, 9, -4}, {9, -5, -9, 9}},
    {"すべてに　びょうどうですか・・・", "うそ・・・", "いけない・・・", {5, 8, 3, 1}, {-1, 5, 9, -3}},
    {"わたしが　すきですか", "っぽ", "いや～ん", {20, -10, 8, -10}, {-20, 20, 20, 20}},
    {"へいわが　すきですか・・・", "ふふ・・・", "ゆめ・・", {10, -5, -5, 5}, {-8, 5, 9, 5}},
    {"ころすことは　だめ・・・？", "そう・・・", "いいこと・・・？", {8, -3, 5, 9}, {-10, 10, 20, -20}},
    {"しあわせは　いばしょが　なくなる　きが　しますか", "そう・・・", "そうなの・・・", {-3, -5, 5, 9}, {9, 3, 6, -3}},
    {"いま、たのしいですか？", "せつない？", "・・・", {8, -5, 8, 9}, {-10, 8, 10, -10}},
    {"とりは　なかま　ですか", "なかま・・・", "ちがうの？", {10, -5, 8, 10}, {-10, 5, 10, -8}},
    {"ささやかでも　よろこびが　ありますか", "そう", "ないの", {5, 8, 9, 10}, {-5, -3, 9, -8}},
    {"いのちは　ぜんぶ　だいじ　ですか", "だいじ・・・", "すてる・・・", {10, -8, -10, 10}, {-10, 8, 10, -10}},
    {"いきものは　やさしくしないと　だめ　ですか", "そう", "？", {3, -5, -7, 9}, {-5, 9, 10, -10}},
    {"いきてないものは　やさしくしなくても　いい　ですか", "あうあう", "だめ・・・", {-5, 9, 10, -10}, {5, 3, 5, 8}},
    {"つらいときは　ひとりで　いるものですか", "ひとり・・・", "みんな・・・？", {-5, -9, 9, 9}, {9, -3, -5, -5}},
    {"うらぎられても　しんじますか・・・", "そう・・", "てうてう", {10, -6, 9, 10}, {-5, 8, 9, 7}},
    {"だれも　じぶんのためには　いきていて　ほしくない　ですか・・・？", "つらいの", "・・・", {0, 3, 9, 10}, {0, 9, -4, 4}},
};

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

    void refillDrawsAnItemAndAPrice()
    {
        fillBox(0, 0);
        random.script({0.99, 0.999}); // the last kind at the top price
        model->refillBox();
        QCOMPARE((QStringList{model->item(0), model->price(0)}), (QStringList{u8("明日の予定"), "999"}));
        // A full box replaces from the top.
        fillBox(10, 10);
        random.script({0.5, 0.0});
        QSignalSpy removed(model.get(), &GameModel::itemRemoved);
        model->refillBox();
        QCOMPARE(model->boxSize(), 10);
        QCOMPARE(removed.count(), 1);
        QCOMPARE((QStringList{model->item(0), model->price(0), model->price(1)}), (QStringList{u8("氷"), "200", "201"}));
    }

    // The official's shipment: 2 to 6 items.
    void shipmentSize_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("items");
        QTest::newRow("fewest") << 0.0 << 2;
        QTest::newRow("most") << 0.99 << 6;
    }
    void shipmentSize()
    {
        QFETCH(double, draw);
        QFETCH(int, items);
        random.script({draw});
        model->receiveShipment();
        QCOMPARE(model->boxSize(), items);
    }

    void usingAnItemFreesItsPlaceForTheNextRefill()
    {
        fillBox(10, 3, 5000);
        QCOMPARE(model->useItem(7), GameModel::UseResult::Used);
        QCOMPARE(model->boxSize(), 9);
        QCOMPARE(model->price(7), QStringLiteral("208")); // the price goes with its item
        QCOMPARE(model->money(), 5000 - 207);
        random.script({0.0, 0.5});
        model->refillBox(); // over the item now in the place the used one freed
        QCOMPARE(model->boxSize(), 9);
        QCOMPARE(model->price(2), QStringLiteral("600"));
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

    void forgettingKeepsTheFirstTwo()
    {
        model->setWordClass(Adjective);
        model->teach(QStringLiteral("a"), -1);
        model->teach(QStringLiteral("b"), -1);
        model->forget(Adjective);
        // The list, its count and the place of the next word.
        QCOMPARE((QList<int>{int(model->state().words[Adjective].size()), model->wordCount(Adjective),
                             model->state().writeSlot[Adjective]}),
                 (QList<int>{2, 2, 2}));
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

    // The alien asks instead of speaking only when the attack option is on
    // and x is 90 or more.
    void asksOrSpeaks_data()
    {
        QTest::addColumn<bool>("attack");
        QTest::addColumn<double>("draw");
        QTest::addColumn<bool>("asks");
        QTest::newRow("option off") << false << 0.95 << false;
        QTest::newRow("x 89") << true << 0.89 << false;
        QTest::newRow("x 90") << true << 0.90 << true;
    }
    void asksOrSpeaks()
    {
        QFETCH(bool, attack);
        QFETCH(double, draw);
        QFETCH(bool, asks);
        enterFreePlay();
        model->setOption(Option::AlienQuestions, attack);
        random.script({draw});
        model->clockElapsed(GameClock::Speech);
        QCOMPARE(model->scene().kind, asks ? SceneKind::Announcement : SceneKind::FreePlay);
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

    void answers_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("yes");
        QCOMPARE(int(std::size(questions)), questionCount);
        for (int n = 0; n < questionCount; ++n) {
            QTest::addRow("%d yes", n) << n << true;
            QTest::addRow("%d no", n) << n << false;
        }
    }
    void answers()
    {
        QFETCH(int, number);
        QFETCH(bool, yes);
        setMoods({100, 100, 100, 100});
        model->startScene(SceneKind::Question, number);
        model->answerScene(yes ? GameModel::Answer::Yes : GameModel::Answer::No);
        const AskedQuestion &expected = questions[number];
        Moods moods = yes ? expected.yes : expected.no;
        for (qint16 &mood : moods)
            mood += 100;
        QCOMPARE(model->state().moods, moods);
        const Question &asked = question(number);
        QCOMPARE((QStringList{u8(asked.text), u8(asked.yesReply), u8(asked.noReply)}),
                 (QStringList{u8(expected.text), u8(expected.yesReply), u8(expected.noReply)}));
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

    // Each day tells the recovery copy; day 30, 60 and 90 bring the report,
    // day 100 the farewell. A scene stops free play's clocks and blinks its
    // prompt until it ends.
    void dayClock_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<SceneKind>("scene");
        QTest::addColumn<QString>("said");
        QTest::newRow("day 29") << 29 << SceneKind::FreePlay << QString();
        QTest::newRow("day 30") << 30 << SceneKind::Report << u8("いつも　ありがとう");
        QTest::newRow("day 60") << 60 << SceneKind::Report << u8("いつも　ありがとう");
        QTest::newRow("day 91") << 91 << SceneKind::FreePlay << QString();
        QTest::newRow("day 100") << 100 << SceneKind::Farewell << u8("そろそろ　おわかれのじかんが　やってきました");
    }
    void dayClock()
    {
        QFETCH(int, day);
        QFETCH(SceneKind, scene);
        QFETCH(QString, said);
        enterFreePlay();
        model->setOption(Option::AlienQuestions, false);
        GameState state = model->state();
        state.day = static_cast<qint16>(day - 1);
        model->restore(state);
        QSignalSpy passed(model.get(), &GameModel::dayPassed);
        model->clockElapsed(GameClock::Day);
        QCOMPARE(model->day(), day);
        QCOMPARE(passed.count(), 1);
        QCOMPARE(model->scene().kind, scene);
        const bool inScene = scene != SceneKind::FreePlay;
        if (inScene)
            QCOMPARE(model->message(), said);
        QCOMPARE(model->sceneLocked(), inScene);
        QCOMPARE((QList<bool>{running(GameClock::Speech), running(GameClock::Day), running(GameClock::PromptBlink)}),
                 (QList<bool>{!inScene, !inScene, inScene}));
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

    // The opening keeps the names typed, if they fit on a line; the
    // official sends the first items.
    void openingNames_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("nouns");
        QTest::newRow("both") << QStringList{u8("たけし"), u8("ぽち")} << QStringList{u8("たけし"), u8("ぽち"), u8("りんご")};
        QTest::newRow("cancelled") << QStringList{} << QStringList{u8("ももじろ"), u8("もけもけ"), u8("りんご")};
        QTest::newRow("two lines") << QStringList{u8("た\nけし"), u8("ぽ\rち")}
                                   << QStringList{u8("ももじろ"), u8("もけもけ"), u8("りんご")};
    }
    void openingNames()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, nouns);
        model->teach(u8("りんご"), -1);
        prompts.names = typed;
        model->startScene(SceneKind::Opening);
        const QStringList said = clickThrough(SceneKind::Opening);
        QCOMPARE(said.at(2), u8("ちょっとの　あいだ、　よろしくね、") + nouns.first());
        QCOMPARE(said.at(10), u8("いっとくけど、エールはただじゃないからね"));
        QCOMPARE((QStringList{model->word(Noun, 0), model->word(Noun, 1), model->word(Noun, 2)}), nouns);
        QCOMPARE(model->boxSize(), 2);
        QCOMPARE(model->scene().kind, SceneKind::FreePlay);
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
        QCOMPARE(model->message(), u8(questions[8].text));
        const Moods waited = model->state().moods;
        if (byEnter) {
            model->pressAnswer(answer);
            model->continueScene();
        } else {
            model->alienClicked(answer);
        }
        QCOMPARE(model->message(), u8(yes ? questions[8].yesReply : questions[8].noReply));
        QVERIFY(!model->questionHintShown());
        QCOMPARE(model->mood(Joy) - waited[Joy], (yes ? questions[8].yes : questions[8].no)[Joy]);
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

    // An ending's story with the names put in as typed; the short endings
    // skip their missing message. The click after the last goes back to the
    // title, which ends the game.
    void endingStory_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("0") << 0 << QStringList{u8("翌日・・・"), u8("50%2は親愛と描かれた旗と仲間を連れてやってきた"),
                                               u8("どうやら酷く%1君のことが気に入ったらしい"),
                                               u8("そうして%1君は連日\r\n大勢の宇宙人の訪問を受けることになった・・・"),
                                               u8("（%1君の家は後に\r\n宇宙人の観光名所として知られることになる・・・）")};
        QTest::newRow("5, short") << 5 << QStringList{u8("翌日・・・\r\n早速50%2達、宇宙人は地球に攻撃を開始した"),
                                                      u8("驚いた人間達は\r\n原因と思われる%1君を処刑したりして\r\n便宜を図ろうとしたが"),
                                                      u8("宇宙人にはそんな行動は通じなかった"), u8("そして・・・\r\n地球は崩壊した・・・")};
    }
    void endingStory()
    {
        QFETCH(int, ending);
        QFETCH(QStringList, said);
        model->replaceWord(Noun, 0, u8("%1君"));
        model->replaceWord(Noun, 1, u8("50%2"));
        model->startScene(SceneKind::Title);
        QSignalSpy pictures(model.get(), &GameModel::scenePictureShown);
        model->replayEnding(ending);
        QCOMPARE(prompts.asked, 0); // from the title there is no game to lose
        QCOMPARE(pictures.first().first().toString(), QStringLiteral("end%1.bmp").arg(ending));
        QSignalSpy ended(model.get(), &GameModel::gameEnded);
        const QStringList told = clickThrough(SceneKind::Ending);
        QCOMPARE(told.mid(0, said.size()), said);
        QCOMPARE(told.size(), said.size() + 1);
        QCOMPARE(model->scene(), (Scene{SceneKind::Title, 0, 1}));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(pictures.last().first().toString(), QStringLiteral("stt.bmp"));
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
