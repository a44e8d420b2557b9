// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "testgame.h"

#include "platform/cp932.h"
#include "widgets/listbox.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <cerrno>

namespace {

QStringList allPictureNames()
{
    QStringList names = QStringLiteral("siyou siyou2 osieru osieru2 stt erai did end").split(u' ');
    for (int n = 0; n <= 9; ++n)
        names << QString::number(n);
    for (int i = 0; i <= 2; ++i)
        names << QStringLiteral("coma%1").arg(i) << QStringLiteral("comb%1").arg(i);
    for (int k = 0; k <= 7; ++k)
        names << QStringLiteral("end%1").arg(k);
    for (QString &name : names)
        name += QStringLiteral(".bmp");
    return names;
}

QColor colourFor(int index)
{
    return QColor(10 + index * 7, 200 - index * 5, 30 + index * 3);
}
} // namespace

PictureFolder::PictureFolder()
{
    const QStringList names = allPictureNames();
    for (int i = 0; i < names.size(); ++i) {
        QImage image(4, 4, QImage::Format_RGB888);
        image.fill(colourFor(i));
        image.save(path() + names[i], "BMP");
    }
}

QString PictureFolder::nameOf(const QPixmap &picture) const
{
    const QStringList names = allPictureNames();
    for (int i = 0; i < names.size() && !picture.isNull(); ++i) {
        if (colourFor(i) == picture.toImage().pixelColor(0, 0))
            return names[i];
    }
    return QString();
}

bool TestGame::start()
{
    gameWindow = std::make_unique<GameWindow>(GameWindow::Services{random, dialogs, sound, folder.path(), savePath, files, saveFolderProblem});
    if (!gameWindow->startUp())
        return false;
    gameWindow->show();
    // The entry can only hold the focus in the active window.
    QApplication::setActiveWindow(gameWindow.get());
    return true;
}

void TestGame::click(int button)
{
    const auto qtButton = button == 1 ? Qt::LeftButton : button == 2 ? Qt::RightButton : Qt::MiddleButton;
    QTest::mouseClick(gameWindow->messageLine, qtButton, Qt::NoModifier, QPoint(5, 5));
}

void TestGame::playIntoFreePlay()
{
    click(); // title -> opening, step 0
    while (gameWindow->model().scene().kind == SceneKind::Opening)
        click();
}

QStringList TestGame::words(int k) const
{
    QStringList list;
    for (int i = 0; i < listbox::count(gameWindow->wordLists[k]); ++i)
        list << listbox::text(gameWindow->wordLists[k], i);
    return list;
}

void TestGame::edit(const std::function<void(GameState &)> &change)
{
    GameState state = gameWindow->model().state();
    change(state);
    gameWindow->model().restore(state);
}

std::unique_ptr<TestGame> TestGame::inFreePlay(const QStringList &names)
{
    auto game = std::make_unique<TestGame>();
    if (!game->start())
        return nullptr;
    game->dialogs.answers = names;
    game->playIntoFreePlay();
    return game;
}

bool FaultyFileOps::pass(const char *operation, const QString &path)
{
    ++m_count;
    const bool named = QLatin1String(operation) + QLatin1Char(' ') + path.section(QLatin1Char('/'), -1) == m_failOn;
    m_injected = named || (m_failAt > 0 && (m_mode == FailOne ? m_count == m_failAt : m_count >= m_failAt));
    const bool diskFull = qstrcmp(operation, "write") == 0;
    m_error = path + QStringLiteral(": ") + qt_error_string(diskFull ? ENOSPC : EIO);
    return !m_injected;
}

bool FaultyFileOps::write(const QString &path, const QByteArray &bytes)
{
    const bool failing = !pass("write", path);
    if (failing && m_mode == FailOne) {
        // A full disk: half of the file gets written, then the write fails.
        m_disk.write(path, bytes.left(bytes.size() / 2));
        return false;
    }
    return !failing && m_disk.write(path, bytes);
}

namespace {
const QByteArray exampleStatus = "10,-5,0,3,150,1000,3,2,2,3,2,2,3,1,0,2,1,0,0,0,0,0,0,0,1,0,0,1,1,\"tyu\"\r\n";
} // namespace

SlotBytes exampleSlotFiles()
{
    const auto sjis = [](const char *utf8) { return *cp932::encode(QString::fromUtf8(utf8)); };
    return {sjis("ももじろ\r\nもけもけ\r\n\r\n"), sjis("大好き\r\n好き\r\n\r\n"),
            sjis("切ない\r\n楽しい\r\n青い\r\n\r\n"), sjis("恋文\r\n"), "512\r\n", exampleStatus};
}

QByteArray exampleStatusWith(int field, const QByteArray &value)
{
    QList<QByteArray> fields = exampleStatus.chopped(2).split(',');
    fields[field - 1] = value;
    return fields.join(',') + "\r\n";
}

void writeSlotFiles(const QString &folder, const SlotBytes &files)
{
    DiskFileOps disk;
    for (int i = 0; i < slotfiles::count; ++i)
        disk.write(folder + QLatin1Char('/') + QLatin1String(slotfiles::names[i]), files[i]);
}
