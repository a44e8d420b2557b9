// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The living alien: its face flips, its picture wobbles by the strength of
// its mood, the scene prompt blinks, and presses give visible feedback.

#include "view/gamewindow.h"
#include "widgets/pictures.h"

namespace {
constexpr Qt::GlobalColor red = Qt::red;
constexpr Qt::GlobalColor green = Qt::green;
} // namespace

void GameWindow::placeAlien(float left, float top, float width, float height)
{
    alienPlace = {left, top, width, height};
    alienFrame->place(alienPicture, QRectF(left, top, width, height));
}

void GameWindow::showAlienPicture(const QPixmap &picture)
{
    alienPicture->setPicture(picture);
}

void GameWindow::loadAlienPicture(const QString &fileName)
{
    // A missing scene picture leaves the picture area empty; the game goes on.
    alienPicture->setPicture(loadPicture(appPath + fileName));
}

void GameWindow::flipFace()
{
    faceFrame = static_cast<qint16>((faceFrame & 1) + 1);
    showAlienPicture(facePicture(m_model->face() + faceFrame - 1));
}

void GameWindow::moveAlien()
{
    const int motion = m_model->motion();
    const float left = alienPlace.left;
    const float top = alienPlace.top;
    // The turn is decided on the position before this tick's move.
    const bool turn = (motion == 0 && (left > 20 || left < 0)) || (motion == 1 && (top > 90 || top < 0))
                      || (motion == 2 && (left > 20 || left < 0));
    if (turn)
        motionStep = static_cast<qint16>(-motionStep);
    const float s = motionStep;
    switch (motion) {
    case 0:
        placeAlien(left + s, 0, alienPlace.width - 2 * s, 100);
        break;
    case 1:
        placeAlien(0, top + s, 100, alienPlace.height - s);
        break;
    case 2:
        placeAlien(left + s, top + s, alienPlace.width - 2 * s, alienPlace.height - s);
        break;
    default:
        break;
    }
}

void GameWindow::blinkPrompt()
{
    clickPrompt->setForeColor(clickPrompt->foreColor() == red ? green : red);
}

void GameWindow::alienPressed()
{
    alienTint->setBackColor(green);
    alienTint->setVisible(true);
}

void GameWindow::alienReleased()
{
    alienTint->setVisible(false);
}

void GameWindow::alienClicked(Qt::MouseButton button)
{
    m_model->alienClicked(answerOf(button));
}

void GameWindow::frameClicked(Qt::MouseButton button)
{
    // The frame that the wobbling picture leaves bare is the alien too.
    alienClicked(button);
}

void GameWindow::messagePressed(Qt::MouseButton button)
{
    m_model->pressAnswer(answerOf(button));
    alienTint->setBackColor(red);
    alienTint->setVisible(true);
    clickPrompt->setVisible(false);
}

void GameWindow::messageReleased()
{
    alienTint->setVisible(false);
    if (!m_model->inFreePlay())
        clickPrompt->setVisible(true);
}

GameModel::Answer GameWindow::answerOf(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? GameModel::Answer::Yes : GameModel::Answer::No;
}
