// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/widgets.h"
#include "widgets/pictures.h"

#include <QApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// The buttons the game answers to; others pass by.
bool isGameButton(Qt::MouseButton button)
{
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

} // namespace

MouseRelay::MouseRelay(QWidget *target)
    : QObject(target)
    , m_target(target)
{
    target->installEventFilter(this);
}

void MouseRelay::simulateClick(Qt::MouseButton button)
{
    Q_EMIT pressed(button);
    Q_EMIT released(button);
    Q_EMIT clicked(button);
}

bool MouseRelay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_target)
        return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const Qt::MouseButton button = mouse->button();
    if (!isGameButton(button))
        return false;
    const QPoint at = mouse->position().toPoint();
    if (type == QEvent::MouseButtonRelease) {
        if (button != m_pressedButton)
            return false;
        m_pressedButton = Qt::NoButton;
        // A press always gets its release, so a button never stays pushed in;
        // but a control disabled in between (a scene began) takes no click.
        Q_EMIT released(button);
        if (m_target->isEnabled() && m_target->rect().contains(at))
            Q_EMIT clicked(button);
        return true;
    }
    // Filters see the events of disabled widgets too: those must stay inert.
    if (!m_target->isEnabled())
        return false;
    // A quick second press arrives as a double click: it is one more click.
    if (m_pressedButton != Qt::NoButton)
        return true;
    m_pressedButton = button;
    Q_EMIT pressed(button);
    return true;
}

CaptionLabel::CaptionLabel(const QString &caption, QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void CaptionLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(shown);
}

void CaptionLabel::setForeColor(const QColor &colour)
{
    m_foreColor = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

ImageControl::ImageControl(Kind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    // A picture without transparency covers the whole control: what lies
    // below need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull() && !picture.hasAlphaChannel());
    update();
}

void ImageControl::setAppearance(int appearance)
{
    m_appearance = appearance;
    update();
}

QPixmap ImageControl::shownPicture()
{
    // The alien's picture is shrunk once to the frame around it, and the
    // painter's smoothing takes it from there to each size of its wobble;
    // buttons keep their size and get theirs exactly.
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (m_kind == Kind::Button || !parentWidget())
        return shrunkPicture(devicePixels);
    const QSize frame = devicePixels.expandedTo((QSizeF(parentWidget()->size()) * ratio).toSize());
    return m_sized.sized(shrunkPicture(frame), devicePixels);
}

const QPixmap &ImageControl::shrunkPicture(QSize largest)
{
    constexpr int kept = 4;
    const QSize size = m_picture.size().boundedTo(largest);
    const qint64 key = m_picture.cacheKey();
    for (const auto &entry : std::as_const(m_shrunk)) {
        if (entry.first == key && entry.second.size() == size)
            return entry.second;
    }
    m_shrunk.prepend({key, fitPicture(m_picture, size)});
    if (m_shrunk.size() > kept)
        m_shrunk.removeLast();
    return m_shrunk.first().second;
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_picture.isNull())
        painter.drawPixmap(rect(), shownPicture());
    if (m_kind != Kind::Button)
        return;
    if (m_appearance == 1) {
        qDrawShadePanel(&painter, rect(), palette(), false, 2);
    } else {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!isEnabled())
        painter.fillRect(rect(), QColor(0, 0, 0, 110));
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
}

void PictureBox::place(QWidget *child, const QRectF &rect)
{
    const auto placed = std::find_if(m_children.begin(), m_children.end(),
                                     [child](const auto &entry) { return entry.first == child; });
    if (placed != m_children.end())
        placed->second = rect;
    else
        m_children.append({child, rect});
    // Only this child moves: the alien is placed twenty times a second.
    putChild(child, rect);
}

void PictureBox::relayout()
{
    for (const auto &[child, rect] : std::as_const(m_children))
        putChild(child, rect);
}

void PictureBox::putChild(QWidget *child, const QRectF &rect)
{
    const double sx = width() / 100.0;
    const double sy = height() / 100.0;
    const int left = qRound(rect.left() * sx);
    const int top = qRound(rect.top() * sy);
    if (rect.width() <= 0 || rect.height() <= 0) {
        // An auto-sized child keeps its own size.
        child->move(left, top);
        return;
    }
    child->setGeometry(left, top, qRound((rect.left() + rect.width()) * sx) - left,
                       qRound((rect.top() + rect.height()) * sy) - top);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    relayout();
}

TintShape::TintShape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TintShape::setBackColor(const QColor &colour)
{
    m_colour = colour;
    update();
}

void TintShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor tint = m_colour;
    tint.setAlpha(96);
    painter.fillRect(rect(), tint);
}

KeyLineEdit::KeyLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void KeyLineEdit::setForeColor(const QColor &colour)
{
    m_foreColor = colour;
    showForeColor();
}

void KeyLineEdit::showForeColor()
{
    constexpr int dimmedPercent = 200; // half as bright
    QPalette palette = this->palette();
    const QColor colour = m_foreColor;
    palette.setColor(QPalette::Text, m_held ? colour.darker(dimmedPercent) : colour);
    setPalette(palette);
}

void KeyLineEdit::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    if (held)
        keepComposition();
    setReadOnly(held);
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    showForeColor();
}

void KeyLineEdit::keepComposition()
{
    // What the player saw being composed stays as typed text, so that no
    // word is lost to an interruption. Some input methods commit what is
    // being composed when they are reset; being held already, the entry
    // drops that commit, so the word is not doubled.
    const QString composing = m_composing;
    if (hasFocus())
        QGuiApplication::inputMethod()->reset();
    QInputMethodEvent nothingComposed;
    QLineEdit::inputMethodEvent(&nothingComposed);
    m_composing.clear();
    insert(composing);
}

QVariant KeyLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return inputMethodQuery(query, QVariant());
}

QVariant KeyLineEdit::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const
{
    // A read-only line edit still takes the input method, which would then
    // swallow Y and N as the start of a word: held, the entry is off for it.
    if (query == Qt::ImEnabled && m_held)
        return false;
    return QLineEdit::inputMethodQuery(query, std::move(argument));
}

void KeyLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // A read-only line edit still inserts what an input method commits.
    if (m_held || isLeftoverCommit(*event)) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
    // A word that leaves the screen without being committed was cancelled
    // (Escape). Qt's ibus support still remembers it and commits it at the
    // next change of focus (another window, a menu): the input method is
    // told to forget it, and should it come all the same, it is dropped.
    const QString composing = event->preeditString();
    if (!m_composing.isEmpty() && composing.isEmpty() && event->commitString().isEmpty()) {
        m_cancelled = m_composing;
        QGuiApplication::inputMethod()->reset();
    } else if (!composing.isEmpty() || !event->commitString().isEmpty()) {
        m_cancelled.clear();
    }
    m_composing = composing;
}

bool KeyLineEdit::isLeftoverCommit(const QInputMethodEvent &event) const
{
    // As a menu opens, the word on show is committed; the word cancelled
    // before it, with nothing composed since, is not to come back.
    return QApplication::activePopupWidget() && m_composing.isEmpty() && !m_cancelled.isEmpty()
           && event.preeditString().isEmpty() && event.commitString() == m_cancelled;
}

void KeyLineEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const auto key = static_cast<Qt::Key>(event->key() == Qt::Key_Enter ? Qt::Key_Return : event->key());
    if (m_keyHandler && m_keyHandler(key, modifiers)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
