#include "overlay/ScreenTextField.h"

ScreenTextField::ScreenTextField(const std::string& fontName, double left, double bottom, double width, double height,
                                 const std::string& text)
    : ScreenTextPoint(fontName, text), fieldLeft_(left), fieldBottom_(bottom), fieldWidth_(width), fieldHeight_(height)
{
    placeText();
}

void ScreenTextField::placeText()
{
    const int a = getAlignment();
    double y = fieldBottom_;
    if (a >= TopLeft && a <= TopRight)
        y += fieldHeight_;
    else if (a >= Left && a <= Right)
        y += fieldHeight_ / 2;
    double x = fieldLeft_;
    if (a == Top || a == Center || a == Bottom)
        x += fieldWidth_ / 2;
    else if (a == TopRight || a == Right || a == BottomRight)
        x += fieldWidth_;
    ScreenTextPoint::setPosition(x, y);
}

void ScreenTextField::setFieldSize(double width, double height)
{
    fieldWidth_ = width;
    fieldHeight_ = height;
    placeText();
}

void ScreenTextField::setFieldLeft(double left)
{
    fieldLeft_ = left;
    placeText();
}

void ScreenTextField::setFieldBottom(double bottom)
{
    fieldBottom_ = bottom;
    placeText();
}

void ScreenTextField::setFieldWidth(double width)
{
    fieldWidth_ = width;
    placeText();
}

void ScreenTextField::setFieldHeight(double height)
{
    fieldHeight_ = height;
    placeText();
}

double ScreenTextField::getFieldLeft() const { return fieldLeft_; }

double ScreenTextField::getFieldBottom() const { return fieldBottom_; }

double ScreenTextField::getFieldWidth() const { return fieldWidth_; }

double ScreenTextField::getFieldHeight() const { return fieldHeight_; }

void ScreenTextField::setAlignment(int alignment)
{
    ScreenTextPoint::setAlignment(alignment);
    placeText();
}

void ScreenTextField::setPosition(double x, double y)
{
    fieldLeft_ = x;
    fieldBottom_ = y;
    placeText();
}
