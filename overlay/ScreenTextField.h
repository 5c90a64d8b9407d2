#pragma once
// ScreenTextField: text placed inside a rectangle by its anchor code: a top code puts the
// text against the top edge, a middle code centres it vertically, and likewise left,
// centre and right across. The text is re-placed whenever the rectangle or the anchor code
// changes; setPosition moves the rectangle's lower left corner. The rectangle does not clip
// the text, and text wider than it runs over its edges.
#include "overlay/ScreenTextPoint.h"

class ScreenTextField : public virtual ScreenTextPoint {
public:
    ScreenTextField(const std::string& fontName, double left, double bottom, double width, double height,
                    const std::string& text);

    virtual void setFieldSize(double width, double height);
    virtual void setFieldLeft(double left);
    virtual void setFieldBottom(double bottom);
    virtual void setFieldWidth(double width);
    virtual void setFieldHeight(double height);
    virtual double getFieldLeft() const;
    virtual double getFieldBottom() const;
    virtual double getFieldWidth() const;
    virtual double getFieldHeight() const;

    void setAlignment(int alignment) override;
    // Moves the rectangle's lower left corner to (x, y).
    void setPosition(double x, double y) override;

protected:
    // Puts the anchor where the anchor code wants it in the rectangle.
    void placeText();

private:
    double fieldLeft_;
    double fieldBottom_;
    double fieldWidth_;
    double fieldHeight_;
};
