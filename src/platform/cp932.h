// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QValidator>

#include <optional>

// The save and help files are Shift-JIS (Windows code page 932) text.
namespace cp932 {
// Encodes the text; nothing when a character has no cp932 form.
std::optional<QByteArray> encode(const QString &text);
// Encodes the text onto the end of `bytes`; false, with `bytes` as it was,
// when a character has no cp932 form.
bool appendEncoded(QByteArray &bytes, QStringView text);
// Decodes the bytes; nothing when they are not valid cp932.
std::optional<QString> decode(const QByteArray &bytes);
// True when every character survives a round trip through cp932.
bool canHold(const QString &text);
}

// Refuses text that a save file could not store: characters outside cp932
// and control characters (line breaks, tabs, NUL). Typed and pasted text
// alike pass through it; of several lines pasted at once it keeps the first.
class Cp932Validator final : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
