// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QWidget>

// Real message and input boxes, modal over the game window.
class WidgetDialogs final : public Dialogs
{
public:
    explicit WidgetDialogs(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { m_parent = parent; }
    void message(const QString &text) override;
    void failure(const QString &text, const QString &details) override;
    QString input(const QString &prompt, const QString &title) override;
    bool ask(const QString &question, const QString &details, bool yesByDefault) override;
    bool helpPage(const QString &text, int number, int count) override;

private:
    QPointer<QWidget> m_parent;
};
