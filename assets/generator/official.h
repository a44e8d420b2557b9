#pragma once
// The government official (偉い人) who made the player the go-between.

#include <QImage>

QImage officialPicture();
