// Boxes the player answers: the question before a replay ends a game, and
// the real question box with its Japanese buttons.

#include "platform/dialogs.h"
#include "platform/translation.h"
#include "testgame.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using texts::u8;

namespace {

// Opens one real box through `open`, reads its button captions and answers
// it with Enter. Returns the captions, sorted.
template<typename Open>
QStringList buttonsOf(Open open)
{
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        for (const QPushButton *button : box->findChildren<QPushButton *>())
            captions << button->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    open();
    captions.sort();
    return captions;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A replay asks first during a game only; a refusal leaves the game as it was.
    void replayAsksOnlyDuringAGame_data()
    {
        QTest::addColumn<QString>("mode"); // empty: free play
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("yes");
        QTest::newRow("free play") << QString() << true << true;
        QTest::newRow("question") << u8("situ") << true << true;
        QTest::newRow("farewell") << u8("ending") << true << true;
        QTest::newRow("title") << u8("stop") << false << true;
        QTest::newRow("another replay") << u8("親愛関係") << false << true;
        QTest::newRow("preview") << u8("ugoki") << false << true;
        QTest::newRow("free play, refused") << QString() << true << false;
        QTest::newRow("question, refused") << u8("situ") << true << false;
    }
    void replayAsksOnlyDuringAGame()
    {
        QFETCH(QString, mode);
        QFETCH(bool, asks);
        QFETCH(bool, yes);
        const auto game = TestGame::inFreePlay({u8("たけし"), u8("ぽち")});
        Fom &fom = *game->fom;
        fom.menuEnding[5]->setEnabled(true);
        fom.Txt->setText(u8("うみ"));
        fom.ADD_Click();
        fom.MoveImg(5, 0, 90, 100);
        if (!mode.isEmpty())
            fom.StartScene(mode);
        if (mode == QLatin1String("situ")) {
            game->random.script({0.4}); // question 8
            game->click();
        }
        fom.Day = 44;
        fom.Money = 777;
        fom.Mood = {12, -3, 40, 7};
        // Everything a replay would reset or replace: the slot holds the
        // words, items, moods, money, day and scene.
        const auto snapshot = [&fom] {
            return std::tuple{fom.CurrentSlot(), fom.SceneStep, fom.Lbl->caption(), fom.ImgRect.left,
                              fom.Tim->isActive(), fom.TimSay->isActive(), fom.TimDay->isActive()};
        };
        const auto before = snapshot();
        game->dialogs.replies = {yes};
        fom.menuEnding[5]->trigger();
        QCOMPARE(game->dialogs.questions.size(), asks ? 1 : 0);
        QVERIFY(yes || snapshot() == before);
        if (!yes)
            return;
        QCOMPARE(fom.SceneMode, u8("宇宙戦争"));
        QCOMPARE(fom.Lbl->caption(), u8("翌日・・・\r\n早速ぽち達、宇宙人は地球に攻撃を開始した"));
    }

    // Qt's own boxes speak Japanese once its translation is installed; the
    // question is the one box whose behaviour is the game's own.
    void boxesSpeakJapanese()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
            QSKIP("Qt's Japanese translation is not installed (qt6-translations-l10n)");
        QVERIFY(installQtJapanese());
        WidgetDialogs dialogs;
        bool answer = true;
        QCOMPARE(buttonsOf([&] { answer = dialogs.ask(u8("見ますか？")); }), (QStringList{u8("いいえ(&N)"), u8("はい(&Y)")}));
        QVERIFY(!answer); // Enter is "no": a stray key must not end a game
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
