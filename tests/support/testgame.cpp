#include "testgame.h"

#include "platform/cp932.h"

#include <QApplication>
#include <QImage>
#include <QTest>

double ScriptedRandom::next()
{
    ++drawsTaken;
    return m_queue.isEmpty() ? fallback : m_queue.takeFirst();
}

QString ScriptedDialogs::input(const QString &prompt, const QString &title)
{
    prompts.append(prompt);
    titles.append(title);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

bool ScriptedDialogs::ask(const QString &question)
{
    questions.append(question);
    return replies.isEmpty() || replies.takeFirst();
}

void RecordingSound::sendCommand(const QString &command, QString *reply)
{
    commands.append(command);
    if (reply)
        *reply = statusReply;
}

QStringList PictureFolder::allPictureNames()
{
    QStringList names;
    for (int n = 0; n <= 9; ++n)
        names << QStringLiteral("%1.bmp").arg(n);
    for (int i = 0; i <= 2; ++i)
        names << QStringLiteral("coma%1.bmp").arg(i) << QStringLiteral("comb%1.bmp").arg(i);
    names << QStringLiteral("siyou.bmp") << QStringLiteral("siyou2.bmp") << QStringLiteral("osieru.bmp")
          << QStringLiteral("osieru2.bmp") << QStringLiteral("stt.bmp") << QStringLiteral("erai.bmp")
          << QStringLiteral("did.bmp") << QStringLiteral("end.bmp");
    for (int k = 0; k <= 7; ++k)
        names << QStringLiteral("end%1.bmp").arg(k);
    return names;
}

namespace {
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
    if (picture.isNull())
        return QString();
    const QColor colour = picture.toImage().pixelColor(0, 0);
    const QStringList names = allPictureNames();
    for (int i = 0; i < names.size(); ++i) {
        if (colourFor(i) == colour)
            return names[i];
    }
    return QString();
}

void PictureFolder::remove(const QString &fileName) const
{
    QFile::remove(path() + fileName);
}

bool TestGame::start()
{
    fom = std::make_unique<Fom>(Fom::Services{random, dialogs, sound, folder.path(), savePath, files});
    if (!fom->Form_Load())
        return false;
    fom->show();
    // The entry can only hold the focus in the active window.
    QApplication::setActiveWindow(fom.get());
    return true;
}

void TestGame::click(int button)
{
    const auto qtButton = button == 1 ? Qt::LeftButton : button == 2 ? Qt::RightButton : Qt::MiddleButton;
    QTest::mouseClick(fom->Lbl, qtButton, Qt::NoModifier, QPoint(5, 5));
}

void TestGame::playIntoFreePlay()
{
    click(); // title -> opening, step 0
    while (fom->SceneMode == QLatin1String("open"))
        click();
}

QStringList TestGame::words(int k) const
{
    QStringList list;
    for (int i = 0; i < fom->Lst[k]->count(); ++i)
        list << fom->Lst[k]->item(i)->text();
    return list;
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
    if (QLatin1String(operation) + QLatin1Char(' ') + path.section(QLatin1Char('/'), -1) == m_failOn)
        return false;
    if (m_failAt <= 0)
        return true;
    return m_mode == FailOne ? m_count != m_failAt : m_count < m_failAt;
}

std::optional<QByteArray> FaultyFileOps::read(const QString &path, qint64 limit)
{
    if (!pass("read", path))
        return std::nullopt;
    return m_disk.read(path, limit);
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

QByteArray sjis(const char *utf8)
{
    return *cp932::encode(QString::fromUtf8(utf8));
}
} // namespace

SlotBytes exampleSlotFiles()
{
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
