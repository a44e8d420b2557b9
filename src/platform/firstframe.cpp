// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// Watches the native window for its first expose, then queues the work and
// goes away.
class FirstExposeWatcher final : public QObject
{
public:
    FirstExposeWatcher(QWidget *window, std::function<void()> then)
        : QObject(window)
        , m_window(window)
        , m_then(std::move(then))
    {
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, m_window, std::move(m_then));
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_then;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> then)
{
    window->winId(); // the native window exists from here on
    new FirstExposeWatcher(window, std::move(then));
}
