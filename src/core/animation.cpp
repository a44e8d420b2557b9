// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The living alien: its face flips, its picture wobbles by the strength of
// its mood, the scene prompt blinks, and presses give visible feedback.

#include "core/fom.h"
#include "platform/pictures.h"

namespace {
const QColor red = Qt::red;
const QColor green = Qt::green;
} // namespace

void Fom::MoveImg(float left, float top, float width, float height)
{
    ImgRect = {left, top, width, height};
    Pic->place(Img, QRectF(left, top, width, height));
}

void Fom::ShowImgPicture(const QPixmap &picture)
{
    Img->setPicture(picture);
}

void Fom::LoadImgPicture(const QString &fileName)
{
    // A missing scene picture leaves the picture area empty; the game goes on.
    Img->setPicture(loadPicture(AppPath + fileName));
}

void Fom::Tim2_Timer()
{
    FaceFrame = static_cast<qint16>((FaceFrame & 1) + 1);
    ShowImgPicture(FacePicture(m_model->face() + FaceFrame - 1));
}

void Fom::Tim_Timer()
{
    const int motion = m_model->motion();
    const float left = ImgRect.left;
    const float top = ImgRect.top;
    // The turn is decided on the position before this tick's move.
    const bool turn = (motion == 0 && (left > 20 || left < 0)) || (motion == 1 && (top > 90 || top < 0))
                      || (motion == 2 && (left > 20 || left < 0));
    if (turn)
        MoveStep = static_cast<qint16>(-MoveStep);
    const float s = MoveStep;
    switch (motion) {
    case 0:
        MoveImg(left + s, 0, ImgRect.width - 2 * s, 100);
        break;
    case 1:
        MoveImg(0, top + s, 100, ImgRect.height - s);
        break;
    case 2:
        MoveImg(left + s, top + s, ImgRect.width - 2 * s, ImgRect.height - s);
        break;
    default:
        break;
    }
}

void Fom::TimShpCli_Timer()
{
    ShpCli->setForeColor(ShpCli->foreColor() == red ? green : red);
}

void Fom::Img_MouseDown(int, int, int, int)
{
    Shp->setBackColor(green);
    Shp->setVisible(true);
}

void Fom::Img_MouseUp(int, int, int, int)
{
    Shp->setVisible(false);
}

void Fom::Img_Click(int button)
{
    m_model->alienClicked(AnswerOf(button));
}

void Fom::Pic_Click(int button)
{
    // The frame that the wobbling picture leaves bare is the alien too.
    Img_Click(button);
}

void Fom::Lbl_MouseDown(int button, int, int, int)
{
    m_model->pressAnswer(AnswerOf(button));
    Shp->setBackColor(red);
    Shp->setVisible(true);
    ShpCli->setVisible(false);
}

void Fom::Lbl_MouseUp(int, int, int, int)
{
    Shp->setVisible(false);
    if (!m_model->inFreePlay())
        ShpCli->setVisible(true);
}

GameModel::Answer Fom::AnswerOf(int button)
{
    return button == 1 ? GameModel::Answer::Yes : GameModel::Answer::No;
}

void Fom::AnswerScene(int button)
{
    m_model->answerScene(AnswerOf(button));
}
