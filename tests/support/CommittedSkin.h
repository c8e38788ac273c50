#pragma once

#include <QImage>

// The skin bitmap as committed, read by Qt's own reader: what the shipped face is made from and
// is checked against.
QImage committedSkin();
// The skin drawn at twice the size, as committed.
QImage committedLargeSkin();
