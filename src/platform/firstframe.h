// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

class QWidget;

// Runs `then` once, on the event loop's pass after the shown top-level
// `window` is first on screen: Qt draws and flushes a window's first picture
// while handling the first expose of its native window, so work queued from
// there cannot hold that picture back, as work queued from the show itself
// can (the expose arrives from the display later). Nothing runs if the
// window is destroyed first.
void afterFirstFrame(QWidget *window, std::function<void()> then);
