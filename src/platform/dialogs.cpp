// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs.h"

#include "game/texts.h"
#include "platform/cp932.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

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

void WidgetDialogs::failure(const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::NoIcon, texts::gameTitle(), text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    box.exec();
}

bool WidgetDialogs::ask(const QString &question, const QString &details, bool yesByDefault)
{
    QMessageBox box(QMessageBox::Question, texts::gameTitle(), question, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setDetailedText(details);
    // A stray Enter must not throw a game away.
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool WidgetDialogs::helpPage(const QString &text, int number, int count)
{
    const QString pageCount = QStringLiteral("（%1/%2）").arg(number).arg(count);
    QMessageBox box(QMessageBox::NoIcon, texts::gameTitle() + QLatin1Char(' ') + pageCount,
                    text + QStringLiteral("\n\n") + pageCount, QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    // Enter reads on, Escape (or the close button) leaves the help at any page.
    QPushButton *close = box.addButton(texts::u8("とじる"), QMessageBox::RejectRole);
    box.setEscapeButton(close);
    if (number < count)
        box.setDefaultButton(box.addButton(texts::u8("つぎへ"), QMessageBox::AcceptRole));
    else
        box.setDefaultButton(close);
    box.exec();
    return box.clickedButton() != close;
}
