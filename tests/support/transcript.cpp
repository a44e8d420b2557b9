// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The commands of a script:
//   seed N                  the draws come from a generator seeded with N
//   names A B ...           typed into the next input boxes ("-": cancel)
//   replies yes no ...      the next yes/no boxes; pages yes no ...: read on or close help
//   start, close, crash     the window opens, is closed, or vanishes as if killed
//   click [BUTTON]          on the message line (left, right or middle)
//   alien [BUTTON]          on the alien; frame [BUTTON]: on the frame around it
//   key KEYS                in the word entry: Y, Left, Shift+Up, Return ...
//   type WORD               committed into the entry by the input method
//   press CONTROL           a left click: おしえる, つかう, 上書き, option 名詞, わすれる 名詞
//   pick LIST ROW           a click on a row: list 名詞, 転送箱, 値段
//   teach CLASS WORD ...    the class's option, then each word typed and Return
//   menu PATH               a menu item, as めにゅー/Save
//   wait MS                 time passes
//   play DAY CHUNK BUTTON   until the day shows DAY: free play waits CHUNK ms at a time,
//                           a scene is clicked on with BUTTON
//   clicks N [BUTTON]       N clicks on the message line

#include "transcript.h"

#include "gameprobe.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace transcript {
namespace {

const char *const slotFiles[] = {"kotoba0.dat", "kotoba1.dat", "kotoba2.dat", "lst.dat", "lstmoney.dat", "str.dat"};

// One line per line of the file; what is not printable ASCII as \xNN.
QString readable(const QByteArray &line)
{
    QString text;
    for (const char c : line)
        text += c >= 0x20 && c < 0x7F && c != '\\' ? QString(QChar(c))
                                                    : "\\x" + QString::number(uchar(c), 16).rightJustified(2, u'0').toUpper();
    return text;
}

// Real time never moves the game: the clocks' own ticks are swallowed, and
// the player's clock fires them instead.
class RealTimeStopper final : public QObject
{
public:
    explicit RealTimeStopper(const GameProbe &probe) : m_probe(probe) { qApp->installEventFilter(this); }
    ~RealTimeStopper() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Timer || !m_probe.window() || !qobject_cast<QTimer *>(watched))
            return false;
        for (const auto &clock : m_probe.clocks()) {
            if (clock.second == watched)
                return true;
        }
        return false;
    }

private:
    const GameProbe &m_probe;
};

class Player
{
public:
    Player()
        : m_probe([this] { return draw(); }, [this](const QString &line) { m_heard << line; })
        , m_stopper(m_probe)
    {
    }
    QStringList out;
    QString error;
    bool run(const QString &command);

private:
    double draw()
    {
        m_lcg = m_lcg * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(m_lcg >> 11) * 0x1.0p-53;
    }
    QString plain(QString text) const
    {
        return text.replace(m_probe.saveFolder(), QStringLiteral("<folder>/")).replace("\r", "\\r").replace("\n", "\\n");
    }
    QMap<QString, QString> snapshot() const;
    void record(const QString &action = {});
    bool fail(const QString &why) { error = why; return false; }
    void syncClocks();
    void advance(qint64 ms);
    bool clickOn(const QString &name, const QString &button);
    bool pick(const QString &listName, int row);
    void typeWord(const QString &word)
    {
        QInputMethodEvent commit;
        commit.setCommitString(word);
        QApplication::sendEvent(m_probe.control("entry"), &commit);
    }
    int day() const { return QStringView(m_probe.seen().value("day")).chopped(1).toInt(); }

    GameProbe m_probe;
    RealTimeStopper m_stopper;
    quint64 m_lcg = 0;
    QStringList m_heard;
    QMap<QString, QString> m_last;
    qint64 m_now = 0;
    QHash<QTimer *, std::pair<qint64, int>> m_due; // each running clock's next tick and interval
};

QMap<QString, QString> Player::snapshot() const
{
    QMap<QString, QString> lines = m_probe.seen();
    for (auto &value : lines)
        value = plain(value);
    for (const QString &folder : {QString(), QStringLiteral("recovery/")}) {
        for (const char *name : slotFiles) {
            QFile file(m_probe.saveFolder() + folder + name);
            const QString key = "file " + folder + name;
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QList<QByteArray> fileLines = file.readAll().split('\n');
            lines[key] = QStringLiteral("%1 lines").arg(fileLines.size());
            for (int i = 0; i < fileLines.size(); ++i)
                lines[key + QStringLiteral(" %1").arg(i + 1, 3, 10, QChar(u'0'))] = readable(fileLines[i]);
        }
    }
    return lines;
}

void Player::record(const QString &action)
{
    if (!action.isEmpty())
        out << "~ " + action;
    for (const QString &line : std::as_const(m_heard))
        out << plain(line);
    m_heard.clear();
    const QMap<QString, QString> now = snapshot();
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_last.value(it.key(), "\x01") != it.value())
            out << it.key() + ": " + it.value();
    }
    for (auto it = m_last.cbegin(); it != m_last.cend(); ++it) {
        if (!now.contains(it.key()))
            out << it.key() + ": (gone)";
    }
    m_last = now;
}

// A clock that starts, or changes its interval, ticks one interval later.
void Player::syncClocks()
{
    if (!m_probe.window())
        return m_due.clear();
    for (const auto &[name, clock] : m_probe.clocks()) {
        if (!clock->isActive())
            m_due.remove(clock);
        else if (!m_due.contains(clock) || m_due[clock].second != clock->interval())
            m_due[clock] = {m_now + clock->interval(), clock->interval()};
    }
}

// Fires the running clocks in the order of their ticks, a tie in the order
// the clocks were made.
void Player::advance(qint64 ms)
{
    const qint64 end = m_now + ms;
    syncClocks();
    for (;;) {
        QTimer *next = nullptr;
        for (const auto &[name, clock] : m_probe.clocks()) {
            if (m_due.contains(clock) && m_due[clock].first <= end && (!next || m_due[clock].first < m_due[next].first))
                next = clock;
        }
        if (!next)
            break;
        m_now = m_due[next].first;
        m_due[next].first += next->interval();
        if (next->isSingleShot()) {
            next->stop();
            m_due.remove(next);
        }
        QMetaObject::invokeMethod(next, "timeout");
        syncClocks();
    }
    m_now = end;
}

bool Player::clickOn(const QString &name, const QString &button)
{
    QWidget *control = m_probe.control(name);
    const QMap<QString, Qt::MouseButton> buttons{{"", Qt::LeftButton}, {"left", Qt::LeftButton},
                                                 {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
    if (!control || !buttons.contains(button))
        return fail("no control " + name + " or button " + button);
    QTest::mouseClick(control, buttons[button], Qt::NoModifier, control->rect().center());
    return true;
}

bool Player::pick(const QString &listName, int row)
{
    auto *list = qobject_cast<QListView *>(m_probe.control(listName));
    const QModelIndex index = list ? list->model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return fail(QStringLiteral("no row %1 in %2").arg(row).arg(listName));
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(index).center());
    return true;
}

bool Player::run(const QString &command)
{
    const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
    const QString verb = words.value(0), rest = command.section(u' ', 1), arg = words.value(1);
    const auto toBools = [&](QList<bool> &into) {
        for (const QString &word : words.mid(1))
            into << (word == QLatin1String("yes"));
    };
    if (verb == "seed")
        m_lcg = arg.toULongLong();
    else if (verb == "names")
        for (const QString &name : words.mid(1))
            m_probe.names() << (name == "-" ? QString() : name);
    else if (verb == "replies")
        toBools(m_probe.replies());
    else if (verb == "pages")
        toBools(m_probe.pages());
    else if (verb == "start" && !m_probe.start())
        return fail("the window did not start");
    else if (verb == "start")
        for (int i = 0; i < 3; ++i) // the music starts after the first frame
            QCoreApplication::processEvents();
    else if (verb == "close")
        m_probe.close();
    else if (verb == "crash")
        m_probe.crash();
    else if (verb == "click" || verb == "alien" || verb == "frame") {
        if (!clickOn(verb == "click" ? "message" : verb, arg))
            return false;
    } else if (verb == "press") {
        if (!clickOn(rest, {}))
            return false;
    } else if (verb == "pick") {
        if (!pick(rest.section(u' ', 0, -2), words.last().toInt()))
            return false;
    } else if (verb == "key") {
        const QKeyCombination key = QKeySequence::fromString(arg)[0];
        QTest::keyClick(m_probe.control("entry"), key.key(), key.keyboardModifiers());
    } else if (verb == "type") {
        typeWord(rest);
    } else if (verb == "teach") {
        out << "> " + command;
        if (!clickOn("option " + arg, {}))
            return false;
        record("press option " + arg);
        for (const QString &word : words.mid(2)) {
            typeWord(word);
            QTest::keyClick(m_probe.control("entry"), Qt::Key_Return);
            record("type " + word + " and Return");
        }
        return true;
    } else if (verb == "menu") {
        QMenuBar *bar = m_probe.window()->menuBar();
        QList<QAction *> actions = bar->actions();
        QAction *found = nullptr;
        for (const QString &caption : rest.split(u'/')) {
            found = nullptr;
            for (QAction *action : std::as_const(actions))
                found = action->text() == caption ? action : found;
            if (!found || !found->isEnabled())
                return fail("no enabled menu item " + rest);
            actions = found->menu() ? found->menu()->actions() : QList<QAction *>();
        }
        found->trigger();
    } else if (verb == "wait") {
        advance(arg.toLongLong());
    } else if (verb == "play" || verb == "clicks") {
        out << "> " + command;
        const QString button = verb == "play" ? words.value(3, "left") : words.value(2, "left");
        for (int n = 0; verb == "play" ? day() < arg.toInt() : n < arg.toInt(); ++n) {
            if (n > 3000)
                return fail("the day never came");
            const bool scene = m_probe.seen().value("prompt") != "hidden";
            if (verb == "play" && !scene)
                advance(words.value(2).toLongLong());
            else if (!clickOn("message", button))
                return false;
            record(verb == "play" && !scene ? "wait " + words.value(2) : "click " + button);
        }
        return true;
    } else if (verb.startsWith(u'#') || verb.isEmpty()) {
        out << command;
        return true;
    } else {
        return fail("unknown command: " + command);
    }
    out << "> " + command;
    if (verb != "seed" && verb != "names" && verb != "replies" && verb != "pages")
        record();
    return true;
}

} // namespace

QStringList replay(const QStringList &lines, QString *error)
{
    Player player;
    for (const QString &line : lines) {
        const bool comment = line.startsWith(u'#');
        if ((line.startsWith(QLatin1String("> ")) || comment) && !player.run(comment ? line : line.mid(2))) {
            *error = line + ": " + player.error;
            player.out << "! the script stopped here: " + *error;
            break;
        }
    }
    return player.out;
}

} // namespace transcript
