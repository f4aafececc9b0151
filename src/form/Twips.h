#pragma once

#include <QRect>
#include <QtMath>

// The windows are laid out in twips (1/1440 inch); 15 twips make one
// device-independent pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

// A rectangle given in twips (left, top, width, height), in pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
