// Start-up and shut-down, missing pictures, the cp932 text form and what
// assistive technology is told.

#include "platform/cp932.h"
#include "testgame.h"

#include <QAccessible>
#include <QTest>

using texts::u8;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A missing control picture stops start-up; a missing scene picture
    // only leaves the alien's box empty.
    void missingPicture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("required");
        QTest::newRow("a face") << QStringLiteral("7.bmp") << true;
        QTest::newRow("a forget button") << QStringLiteral("coma1.bmp") << true;
        QTest::newRow("the teach button") << QStringLiteral("osieru.bmp") << true;
        QTest::newRow("the title scene") << QStringLiteral("stt.bmp") << false;
    }
    void missingPicture()
    {
        QFETCH(QString, file);
        QFETCH(bool, required);
        TestGame game;
        game.folder.remove(file);
        QCOMPARE(game.start(), !required);
        if (required) {
            QVERIFY2(game.fom->StartupError.endsWith(file), qPrintable(game.fom->StartupError));
            QVERIFY(!game.fom->isVisible());
            return;
        }
        QVERIFY(game.fom->Img->picture().isNull());
        game.playIntoFreePlay();
        QCOMPARE(game.fom->SceneMode, QStringLiteral("tyu"));
    }

    void programFolderGetsItsSeparator()
    {
        TestGame game;
        game.fom = std::make_unique<Fom>(Fom::Services{game.random, game.dialogs, game.sound,
                                                       game.folder.path().chopped(1)});
        QVERIFY(game.fom->Form_Load());
        QCOMPARE(game.fom->AppPath, game.folder.path());
    }

    void closingEndsTheGame()
    {
        TestGame game;
        QVERIFY(game.start());
        game.fom->close();
        QVERIFY(!game.fom->Tim->isActive());
        QVERIFY(!game.fom->TimBGM->isActive());
        QCOMPARE(game.sound.commands.mid(game.sound.commands.size() - 2),
                 (QStringList{QStringLiteral("close MIDI notify"), QStringLiteral("close WAVE notify")}));
        QVERIFY(game.dialogs.messages.isEmpty()); // no autosave by default
    }

    void cp932RoundTrip()
    {
        const QString text = u8("もけもけ～ゆらぐも～表示");
        const auto bytes = cp932::encode(text);
        QVERIFY(bytes.has_value());
        QCOMPARE(bytes->mid(8, 2), QByteArray("\x81\x60")); // the wave dash
        QCOMPARE(cp932::decode(*bytes), std::optional<QString>(text));
        QVERIFY(!cp932::canHold(u8("😀")));
        QVERIFY(!cp932::canHold(u8("𠮷")));
        QVERIFY(!cp932::decode(QByteArray("\x81")).has_value());
    }

    void assistiveTechnologySeesTheTexts()
    {
        TestGame game;
        QVERIFY(game.start());
        Fom &fom = *game.fom;
        auto *teach = QAccessible::queryAccessibleInterface(fom.ADD);
        QCOMPARE(teach->role(), QAccessible::Button);
        QCOMPARE(teach->text(QAccessible::Name), u8("おしえる"));
        QCOMPARE(teach->text(QAccessible::Description), u8("宇宙人に言葉を教えます。"));

        auto *list = QAccessible::queryAccessibleInterface(fom.Lst[1]);
        QVERIFY(list->childCount() >= 2);
        bool found = false;
        for (int i = 0; i < list->childCount(); ++i)
            found = found || list->child(i)->text(QAccessible::Name) == u8("大好き");
        QVERIFY(found);

        auto *entry = QAccessible::queryAccessibleInterface(fom.Txt);
        QCOMPARE(entry->role(), QAccessible::EditableText);
        QCOMPARE(entry->text(QAccessible::Description), fom.Txt->toolTip());

        auto *money = QAccessible::queryAccessibleInterface(fom.LblMoney);
        QCOMPARE(money->text(QAccessible::Name), QStringLiteral("1000"));

        auto *menu = QAccessible::queryAccessibleInterface(fom.menuA2);
        QVERIFY(menu->childCount() == 5);
        QVERIFY(menu->child(0)->state().checked);
        QVERIFY(!menu->child(1)->state().checked);
        auto *endings = QAccessible::queryAccessibleInterface(fom.menuAEnding);
        QVERIFY(endings->child(0)->state().disabled);
        QCOMPARE(endings->child(0)->text(QAccessible::Name), u8("親愛関係"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
