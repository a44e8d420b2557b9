// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs.h"

#include "core/texts.h"
#include "platform/cp932.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

WidgetDialogs::WidgetDialogs(QWidget *parent)
    : m_parent(parent)
{
}

void WidgetDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, texts::gameTitle(), text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString WidgetDialogs::input(const QString &prompt, const QString &title)
{
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setWindowTitle(title);
    // Names end up in the save files, which hold only what cp932 can encode.
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setValidator(new Cp932Validator(edit));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

bool WidgetDialogs::ask(const QString &question)
{
    QMessageBox box(QMessageBox::Question, texts::gameTitle(), question, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    // A stray Enter must not end a game.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
