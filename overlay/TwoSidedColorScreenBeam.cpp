#include "overlay/TwoSidedColorScreenBeam.h"

TwoSidedColorScreenBeam::TwoSidedColorScreenBeam(double x, double y, double width, double height, bool horizontal,
                                                 bool fromStart, const Color& startColor, const Color& endColor,
                                                 double value)
{
    ScreenBeam::setPosition(x, y);
    ScreenBeam::setSize(width, height);
    setHorizontal(horizontal);  // lays the halves out
    setFromStart(fromStart);
    setStartColor(startColor);
    setEndColor(endColor);
    setValue(value);
}

void TwoSidedColorScreenBeam::setStartColor(const Color& color)
{
    firstHalf_->setStartColor(color);
    secondHalf_->setStartColor(color);
}

void TwoSidedColorScreenBeam::setEndColor(const Color& color)
{
    firstHalf_->setEndColor(color);
    secondHalf_->setEndColor(color);
}

void TwoSidedColorScreenBeam::setValue(double value)
{
    firstHalf_->setValue(value);
    secondHalf_->setValue(value);
}

Color TwoSidedColorScreenBeam::getStartColor() const { return firstHalf_->getStartColor(); }

Color TwoSidedColorScreenBeam::getEndColor() const { return firstHalf_->getEndColor(); }

double TwoSidedColorScreenBeam::getValue() const { return firstHalf_->getValue(); }

void TwoSidedColorScreenBeam::setPosition(double x, double y)
{
    ColorScreenBeam::setPosition(x, y);
    layOutHalves();
}

void TwoSidedColorScreenBeam::setSize(double width, double height)
{
    ColorScreenBeam::setSize(width, height);
    layOutHalves();
}

void TwoSidedColorScreenBeam::setHorizontal(bool horizontal)
{
    ColorScreenBeam::setHorizontal(horizontal);
    firstHalf_->setHorizontal(horizontal);
    secondHalf_->setHorizontal(horizontal);
    layOutHalves();
}

void TwoSidedColorScreenBeam::setFromStart(bool fromStart)
{
    ColorScreenBeam::setFromStart(fromStart);
    firstHalf_->setFromStart(fromStart);
    secondHalf_->setFromStart(!fromStart);
}

void TwoSidedColorScreenBeam::show()
{
    ColorScreenBeam::show();
    firstHalf_->show();
    secondHalf_->show();
}

void TwoSidedColorScreenBeam::hide()
{
    ColorScreenBeam::hide();
    firstHalf_->hide();
    secondHalf_->hide();
}

void TwoSidedColorScreenBeam::setLayer(int layer)
{
    ColorScreenBeam::setLayer(layer);
    firstHalf_->setLayer(layer);
    secondHalf_->setLayer(layer);
}

void TwoSidedColorScreenBeam::layOutHalves()
{
    const double x = getX(), y = getY(), width = getWidth(), height = getHeight();
    firstHalf_->setPosition(x, y);
    if (isHorizontal()) {
        secondHalf_->setPosition(x + width / 2, y);
        firstHalf_->setSize(width / 2, height);
        secondHalf_->setSize(width / 2, height);
    } else {
        secondHalf_->setPosition(x, y + height / 2);
        firstHalf_->setSize(width, height / 2);
        secondHalf_->setSize(width, height / 2);
    }
}
