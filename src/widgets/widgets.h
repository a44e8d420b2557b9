// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "widgets/sizedpictures.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

#include <functional>

// Small controls that the desktop toolkit has no exact match for: a label
// that keeps its caption exactly as set, a stretched picture that can act as
// a button, the picture box with its own 100 x 100 coordinates and the
// translucent tint laid over the alien.

// Delivers press, release and click of the left, right or middle button
// for one widget, in that order.
class MouseRelay final : public QObject
{
    Q_OBJECT
public:
    explicit MouseRelay(QWidget *target);
    // The same sequence a real press and release of `button` gives.
    void simulateClick(Qt::MouseButton button);

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked(Qt::MouseButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_target;
    Qt::MouseButton m_pressedButton = Qt::NoButton;
};

// A label whose caption may hold CR LF line breaks; it shows them as lines
// and always shows its text as plain text, never as markup.
class CaptionLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit CaptionLabel(const QString &caption, QWidget *parent);
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setForeColor(const QColor &colour);
    QColor foreColor() const { return m_foreColor; }

private:
    QString m_caption;
    QColor m_foreColor = Qt::black;
};

// A picture stretched to the control's size. As a button it has a thin flat
// border at rest and a raised 3-D border while its appearance is 1.
class ImageControl final : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Picture, Button };
    ImageControl(Kind kind, QWidget *parent);
    Kind kind() const { return m_kind; }
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    void setAppearance(int appearance);
    int appearance() const { return m_appearance; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The picture to draw into the control's rectangle, at its size in
    // device pixels.
    QPixmap shownPicture();
    // The picture shrunk to at most `largest` device pixels, kept for the
    // pictures shown lately: the alien flips between two faces while its
    // size changes on every tick, and shrinking the full picture each time
    // cost more than the rest of the game together.
    const QPixmap &shrunkPicture(QSize largest);

    Kind m_kind;
    QPixmap m_picture;
    int m_appearance = 0;
    QList<QPair<qint64, QPixmap>> m_shrunk; // newest first
    SizedPictures m_sized;
};

// The frame of the alien. Its children are placed in a 100 x 100 system of
// its own, whatever its size in pixels.
class PictureBox final : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);
    void place(QWidget *child, const QRectF &rect);
    void relayout();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void putChild(QWidget *child, const QRectF &rect);
    QList<QPair<QWidget *, QRectF>> m_children;
};

// A coloured layer over the alien while it is held pressed.
class TintShape final : public QWidget
{
    Q_OBJECT
public:
    explicit TintShape(QWidget *parent);
    void setBackColor(const QColor &colour);
    QColor backColor() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = Qt::red;
};

// Makes the custom controls above visible to assistive technology.
void installAccessibility();

// The one-line entry. It hands each key press (Enter on the keypad as
// Return) to its key handler first; the entry itself then handles the key
// unless the handler consumed it.
class KeyLineEdit final : public QLineEdit
{
    Q_OBJECT
public:
    // Returns true when it consumed the key.
    using KeyHandler = std::function<bool(Qt::Key key, Qt::KeyboardModifiers modifiers)>;

    explicit KeyLineEdit(QWidget *parent);
    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }
    void setForeColor(const QColor &colour);
    QColor foreColor() const { return m_foreColor; }
    // A held entry takes no typing, pasting or input-method text, and keeps
    // and shows its text dimmed until it is let go; a word still being
    // composed when it is held is kept as it was shown, and what the input
    // method commits afterwards is dropped. Its keys still reach the key
    // handler.
    void setHeld(bool held);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Input methods also ask through this one.
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void showForeColor();
    void keepComposition();
    bool isLeftoverCommit(const QInputMethodEvent &event) const;

    KeyHandler m_keyHandler;
    QColor m_foreColor = Qt::black;
    bool m_held = false;
    QString m_composing; // the input method's word in progress, as shown
    QString m_cancelled; // the last word the player cancelled in the input method
};

