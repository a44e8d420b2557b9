// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window as a new player meets it: the box's two lists scroll as one,
// the lists show whole rows, pictures shrink smoothly and the alien keeps
// its look at every size of its wobble, a click never takes the
// keyboard from the entry, the marks of the options read on black, and an
// answer key never lands in the entry.

#include "widgets/listbox.h"
#include "widgets/sizedpictures.h"
#include "widgets/widgets.h"
#include "testgame.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QWheelEvent>

using texts::u8;

namespace {

// The darkest and the brightest grey level inside `area` of an image.
std::pair<int, int> greyRange(const QImage &image, const QRect &area)
{
    int darkest = 255, brightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
            brightest = qMax(brightest, qGray(image.pixel(x, y)));
        }
    }
    return {darkest, brightest};
}

// Empty when the mark of `button` reads on black as it stands: an empty mark
// is a dim outline, still seen; a chosen one is lit in full colour, an
// option's right in its middle.
QString markProblem(QAbstractButton *button)
{
    QStyleOptionButton style;
    style.initFrom(button);
    const bool option = qobject_cast<QRadioButton *>(button) != nullptr, chosen = button->isChecked();
    const QRect mark = button->style()->subElementRect(
        option ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &style, button);
    const QImage image = button->grab().toImage();
    const int brightest = greyRange(image, mark).second, middle = greyRange(image, QRect(mark.center(), QSize(1, 1))).second;
    if (brightest > 40 && (chosen ? brightest > 180 : brightest < 150) && (!option || (chosen ? middle > 180 : middle < 40)))
        return QString();
    return QStringLiteral("%1 (chosen: %2): brightest %3, middle %4").arg(button->objectName()).arg(chosen).arg(brightest).arg(middle);
}

// A colour ramp, so that every pixel of a smoothed copy depends on the sampling.
QPixmap rampPicture(QColor colour, bool seeThrough)
{
    QImage image(253, 253, seeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colour.setAlpha(seeThrough ? (x + y) % 256 : 255);
            image.setPixelColor(x, y, colour.darker(100 + (x * 7 + y * 3) % 200));
        }
    }
    return QPixmap::fromImage(image);
}

QImage painterSmoothed(const QPixmap &picture, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(image.rect(), picture);
    return image;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    // The lists lay their rows out on the next pass of the event loop.
    void fillBox()
    {
        while (listbox::count(game->gameWindow->itemList) < 10)
            game->gameWindow->model().refillBox();
        QApplication::processEvents();
    }
    template<typename Control = QListView>
    Control *named(const QString &name) const { return game->gameWindow->findChild<Control *>(name); }

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
    }

    // During a scene a press on the message line marks it in red and hides
    // the prompt until the release; in free play no prompt comes back.
    void pressMarksTheMessageArea_data()
    {
        QTest::addColumn<bool>("inScene");
        QTest::newRow("in a scene") << true;
        QTest::newRow("in free play") << false;
    }
    void pressMarksTheMessageArea()
    {
        QFETCH(bool, inScene);
        GameWindow &window = *game->gameWindow;
        if (inScene)
            window.model().startScene(SceneKind::Announcement);
        QTest::mousePress(window.messageLine, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(window.alienTint->backColor(), QColor(Qt::red));
        QVERIFY(window.alienTint->isVisibleTo(&window) && !window.clickPrompt->isVisibleTo(&window));
        QTest::mouseRelease(window.messageLine, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!window.alienTint->isVisibleTo(&window));
        QCOMPARE(window.clickPrompt->isVisibleTo(&window), inScene);
    }

    // The SE option silences every effect, the question's chime included.
    void effectsFollowTheOption_data()
    {
        QTest::addColumn<bool>("on");
        QTest::newRow("SE on") << true;
        QTest::newRow("SE off") << false;
    }
    void effectsFollowTheOption()
    {
        QFETCH(bool, on);
        GameWindow &window = *game->gameWindow;
        window.model().setOption(Option::SoundEffects, on);
        game->sound.requests.clear();
        window.model().startScene(SceneKind::Announcement);
        const QStringList chime{QStringLiteral("effect %1se0.wav").arg(game->folder.path())};
        QCOMPARE(game->sound.requests, on ? chime : QStringList());
    }

    // An item's hint stays up while its item is in the box, and goes with it.
    void hintGoesWithItsItem_data()
    {
        QTest::addColumn<int>("replaced"); // the row a refill replaces; -1: the item is used
        QTest::addColumn<bool>("stays");
        QTest::newRow("an item below replaced") << 5 << true;
        QTest::newRow("its item replaced") << 3 << false;
        QTest::newRow("its item used") << -1 << false;
    }
    void hintGoesWithItsItem()
    {
        QFETCH(int, replaced);
        QFETCH(bool, stays);
        fillBox();
        game->edit([&](GameState &state) { state.money = 100000; state.boxRefillPlace = qint16(qMax(replaced, 0)); });
        QApplication::processEvents();
        QListView *items = game->gameWindow->itemList;
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(items->model()->index(3, 0)).center());
        const QString hint = game->gameWindow->itemHint->caption();
        QCOMPARE(hint, GameModel::hintFor(game->gameWindow->model().item(3)));
        if (replaced >= 0)
            game->gameWindow->model().refillBox();
        else
            game->gameWindow->useClicked();
        QCOMPARE(game->gameWindow->itemHint->caption(), stays ? hint : QString());
    }

    // A button the game holds is darkened.
    void heldButtonIsDarkened()
    {
        GameWindow &window = *game->gameWindow;
        const auto middleGrey = [&window] {
            const QImage shown = window.teachButton->grab().toImage();
            return qGray(shown.pixel(shown.width() / 2, shown.height() / 2));
        };
        const int free = middleGrey();
        window.model().startScene(SceneKind::Announcement);
        QVERIFY(!window.teachButton->isEnabled());
        QVERIFY2(middleGrey() < free * 3 / 4, qPrintable(QStringLiteral("%1 of %2").arg(middleGrey()).arg(free)));
    }

    void boxListsScrollTogether_data()
    {
        QTest::addColumn<QString>("moved");
        QTest::addColumn<QString>("way");
        for (const char *moved : {"itemList", "priceList"}) {
            for (const char *way : {"wheel", "bar", "keys"})
                QTest::addRow("%s by %s", moved, way) << moved << way;
        }
    }
    void boxListsScrollTogether()
    {
        QFETCH(QString, moved);
        QFETCH(QString, way);
        fillBox();
        QListView *list = named(moved), *beside = named(moved == QLatin1String("itemList") ? "priceList" : "itemList");
        QScrollBar *bar = list->verticalScrollBar();
        QVERIFY(bar->maximum() > 0); // ten items do not fit
        if (way == QLatin1String("wheel")) {
            QWheelEvent wheel(QPointF(5, 5), list->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list->viewport(), &wheel);
        } else if (way == QLatin1String("bar")) {
            bar->setValue(bar->maximum());
        } else {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_End);
            QCOMPARE(listbox::selected(beside), 9);
        }
        QVERIFY(bar->value() > 0);
        QCOMPARE(beside->verticalScrollBar()->value(), bar->value());
        QCOMPARE(beside->indexAt(QPoint(2, 2)).row(), list->indexAt(QPoint(2, 2)).row());
    }

    void listsShowWholeRows_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"wordList0", "wordList1", "wordList2", "itemList", "priceList"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void listsShowWholeRows()
    {
        QFETCH(QString, name);
        QListView *list = named(name);
        game->edit([](GameState &state) {
            for (int i = 0; i < 40; ++i) {
                for (QStringList *rows : {&state.words[0], &state.words[1], &state.words[2], &state.boxItems, &state.boxPrices})
                    rows->append(u8("ことば%1").arg(i));
            }
        });
        QApplication::processEvents();
        // The last row in view ends exactly where the view ends.
        const int bottom = list->viewport()->height() - 1;
        const QRect last = list->visualRect(list->indexAt(QPoint(2, bottom)));
        QCOMPARE(last.bottom(), bottom);
        // Only what a row would not fit in is given up.
        const double cellHeight = game->gameWindow->centralWidget()->height() / 16.0 * game->gameWindow->gridRect(list).height();
        QVERIFY(list->height() > cellHeight - last.height() - 1);
        // The word lists show their own bar, which must read on black.
        if (QScrollBar *bar = list->verticalScrollBar(); !name.startsWith(QLatin1String("itemList"))) {
            QVERIFY(bar->isVisible());
            const auto [darkest, brightest] = greyRange(bar->grab().toImage(), bar->rect().adjusted(1, 1, -1, -1));
            QVERIFY2(brightest > 110 && darkest > 20, qPrintable(QStringLiteral("%1..%2").arg(darkest).arg(brightest)));
        }
    }

    // Pictures are made larger than the window shows them: the shrinking
    // must average, or fine lines break up into noise.
    void shrunkPictureAveragesFineLines_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("scaleFactor");
        QTest::newRow("a third, as on a 768-pixel screen") << 240 << 1.0;
        QTest::newRow("uneven shrink") << 173 << 1.0;
        QTest::newRow("HiDPI, twice the pixels") << 120 << 2.0;
    }
    void shrunkPictureAveragesFineLines()
    {
        QFETCH(int, side);
        QFETCH(qreal, scaleFactor);
        // One-pixel black and white stripes: shrunk, they are an even grey.
        QImage stripes(720, 720, QImage::Format_RGB32);
        stripes.fill(Qt::black);
        QPainter painter(&stripes);
        for (int x = 0; x < stripes.width(); x += 2)
            painter.fillRect(x, 0, 1, stripes.height(), Qt::white);
        painter.end();
        ImageControl control(ImageControl::Kind::Picture, nullptr);
        control.resize(side, side);
        control.setPicture(QPixmap::fromImage(stripes));
        QImage shown(QSize(side, side) * scaleFactor, QImage::Format_RGB32);
        shown.setDevicePixelRatio(scaleFactor);
        control.render(&shown);
        // Averaging leaves greys (a 3:1 shrink gives 85 and 170); sampling leaves black and white.
        const auto [darkest, lightest] = greyRange(shown, shown.rect().adjusted(2, 2, -2, -2));
        QVERIFY2(darkest > 60 && lightest < 195, qPrintable(QStringLiteral("grey from %1 to %2").arg(darkest).arg(lightest)));
    }

    // A picture set after another of the same size is the one shown.
    void newPictureReplacesTheShrunkOne()
    {
        ImageControl control(ImageControl::Kind::Picture, nullptr);
        control.resize(40, 40);
        for (const QColor colour : {QColor(Qt::red), QColor(Qt::blue)}) {
            QPixmap picture(120, 120);
            picture.fill(colour);
            control.setPicture(picture);
            QImage shown(control.size(), QImage::Format_RGB32);
            control.render(&shown);
            QCOMPARE(shown.pixelColor(20, 20), colour);
        }
    }

    // The alien at each size of its wobble looks just as the painter's
    // smoothing draws it, whichever face was sized before, and a size shown
    // again comes from the store.
    void sizedPictureIsTheSmoothedPicture_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("seeThrough");
        QTest::newRow("narrower") << QSize(150, 253) << false;
        QTest::newRow("lower") << QSize(253, 40) << false;
        QTest::newRow("smaller both ways, see-through") << QSize(200, 180) << true;
    }
    void sizedPictureIsTheSmoothedPicture()
    {
        QFETCH(QSize, size);
        QFETCH(bool, seeThrough);
        SizedPictures store;
        const QPixmap faces[] = {rampPicture(Qt::red, seeThrough), rampPicture(Qt::blue, seeThrough)};
        qint64 firstKeys[2] = {};
        for (int round = 0; round < 2; ++round) {
            for (int face = 0; face < 2; ++face) {
                const QPixmap sized = store.sized(faces[face], size);
                QCOMPARE(sized.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                         painterSmoothed(faces[face], size));
                if (round == 0)
                    firstKeys[face] = sized.cacheKey();
                else
                    QCOMPARE(sized.cacheKey(), firstKeys[face]);
            }
        }
        QCOMPARE(store.sized(faces[0], size + QSize(0, 7)).size(), size + QSize(0, 7));
    }

    // Once the store is full, the sizes of faces no longer shown make room.
    void sizedPicturesStayWithinTheirRoom()
    {
        SizedPictures store;
        const QSize third(2000, SizedPictures::roomPixels / 3 / 2000);
        for (int face = 0; face < 5; ++face) {
            QPixmap picture(100, 100);
            picture.fill(QColor(40 * face, 0, 0));
            const qint64 kept = store.sized(picture, third).cacheKey();
            QCOMPARE(store.sized(picture, third).cacheKey(), kept);
            QVERIFY(store.keptPixels() <= SizedPictures::roomPixels);
        }
    }

    // A see-through picture shows what lies below it; an opaque one hides it.
    void pictureCoversWhatLiesBelowUnlessSeeThrough_data()
    {
        QTest::addColumn<bool>("seeThrough");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("opaque") << false << QColor(Qt::blue);
        QTest::newRow("see-through") << true << QColor(Qt::red);
    }
    void pictureCoversWhatLiesBelowUnlessSeeThrough()
    {
        QFETCH(bool, seeThrough);
        QFETCH(QColor, shown);
        QWidget frame;
        frame.resize(100, 100);
        frame.setAutoFillBackground(true);
        QPalette palette = frame.palette();
        palette.setColor(QPalette::Window, Qt::red);
        frame.setPalette(palette);
        auto *control = new ImageControl(ImageControl::Kind::Picture, &frame);
        control->setGeometry(10, 10, 80, 80);
        QPixmap picture(80, 80);
        picture.fill(seeThrough ? QColor(Qt::transparent) : QColor(Qt::blue));
        control->setPicture(picture);

        // What the window really shows: the screen copy of its back buffer.
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::qWait(20);
        const QImage rendered = frame.screen()->grabWindow(frame.winId()).toImage();
        QCOMPARE(rendered.pixelColor(50, 50), shown);
    }

    void clicksLeaveTypingInTheEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onAWord");
        QTest::addColumn<bool>("reachedByTab"); // else the entry has the keyboard
        for (const char *name : {"wordList0", "wordList1", "wordList2", "itemList", "priceList", "wordClassOption0", "wordClassOption2", "overwriteCheck"}) {
            QTest::newRow(name) << QString::fromLatin1(name) << true << false;
            QTest::addRow("%s reached by Tab", name) << QString::fromLatin1(name) << true << true;
        }
        QTest::newRow("below the last noun") << "wordList0" << false << false;
    }
    void clicksLeaveTypingInTheEntry()
    {
        QFETCH(QString, name);
        QFETCH(bool, onAWord);
        QFETCH(bool, reachedByTab);
        fillBox();
        GameWindow &gameWindow = *game->gameWindow;
        if (reachedByTab)
            named<QWidget>(name)->setFocus(Qt::TabFocusReason);
        else
            gameWindow.wordEntry->setFocus();
        if (QListView *list = named(name)) {
            const QRect row = list->visualRect(list->model()->index(1, 0));
            const QPoint at = onAWord ? row.center() : QPoint(5, list->viewport()->height() - 3);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QVERIFY(!onAWord || listbox::selected(list) == 1);
        } else {
            // Each mark reads on black before and after the click.
            auto *button = named<QAbstractButton>(name);
            const bool wasChecked = button->isChecked();
            QVERIFY2(markProblem(button).isEmpty(), qPrintable(markProblem(button)));
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
            QVERIFY(button->isChecked() != wasChecked);
            QVERIFY2(markProblem(button).isEmpty(), qPrintable(markProblem(button)));
        }
        QTest::keyClicks(nullptr, QStringLiteral("ab")); // typed wherever the keyboard is
        QCOMPARE(gameWindow.wordEntry->text(), QStringLiteral("ab"));
        QCOMPARE(QApplication::focusWidget(), gameWindow.wordEntry);
    }

    // A menu closed with Escape gives the keyboard back to the entry.
    void menuClosedWithEscapeLeavesTypingInTheEntry()
    {
        GameWindow &gameWindow = *game->gameWindow;
        QVERIFY(QTest::qWaitForWindowActive(&gameWindow));
        gameWindow.wordEntry->setFocus();
        QMenuBar *bar = gameWindow.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(bar->actions().first()).center());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        gameWindow.activateWindow(); // as the window manager does; offscreen, nobody does
        QTRY_COMPARE(QApplication::focusWidget(), gameWindow.wordEntry);
        QTest::keyClicks(nullptr, QStringLiteral("ab"));
        QCOMPARE(gameWindow.wordEntry->text(), QStringLiteral("ab"));
    }

    // What the keys choose is tested in test_teaching; here, only that an
    // answer never lands in the entry, while in free play the keys work as in
    // any entry.
    void answerKeysNeverReachTheEntry_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("inQuestion");
        for (Qt::Key key : {Qt::Key_Y, Qt::Key_N, Qt::Key_Left, Qt::Key_Right}) {
            QTest::addRow("%s in a question", qPrintable(QKeySequence(key).toString())) << int(key) << true;
            QTest::addRow("%s in free play", qPrintable(QKeySequence(key).toString())) << int(key) << false;
        }
    }
    void answerKeysNeverReachTheEntry()
    {
        QFETCH(int, key);
        QFETCH(bool, inQuestion);
        GameWindow &gameWindow = *game->gameWindow;
        if (inQuestion)
            gameWindow.model().startScene(SceneKind::Question, 8);
        gameWindow.wordEntry->setText(QStringLiteral("ab"));
        gameWindow.wordEntry->setCursorPosition(1);
        QLineEdit plain(gameWindow.wordEntry->text()); // what any entry does with the key
        plain.setCursorPosition(1);
        QTest::keyClick(gameWindow.wordEntry, Qt::Key(key));
        if (!inQuestion)
            QTest::keyClick(&plain, Qt::Key(key));
        QCOMPARE((std::pair{gameWindow.wordEntry->text(), gameWindow.wordEntry->cursorPosition()}), (std::pair{plain.text(), plain.cursorPosition()}));
        if (inQuestion)
            QCOMPARE(gameWindow.messageLine->caption(), u8(key == Qt::Key_Y || key == Qt::Key_Left ? "っぽ" : "いや～ん"));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
