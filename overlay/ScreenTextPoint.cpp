#include "overlay/ScreenTextPoint.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

ScreenTextPoint::ScreenTextPoint(const std::string& fontName, const std::string& text)
    : font_(std::make_unique<Font>(fontName, Color(1, 1, 1, 1)))
{
    setText(text);
}

ScreenTextPoint::~ScreenTextPoint() = default;

std::vector<std::string> ScreenTextPoint::splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (std::string::size_type at = 0; at < text.size(); ++at) {
        if (text[at] != '\n') continue;
        // "\r\n" is one break; a "\r" anywhere else is part of the line.
        const bool crlf = at > start && text[at - 1] == '\r';
        lines.push_back(text.substr(start, at - start - (crlf ? 1 : 0)));
        start = at + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

void ScreenTextPoint::setAlignment(int alignment) { alignment_ = alignment; }

int ScreenTextPoint::getAlignment() const { return alignment_; }

void ScreenTextPoint::setText(const std::string& text) { lines_ = splitLines(text); }

std::string ScreenTextPoint::getText() const
{
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines_[i];
    }
    return text;
}

void ScreenTextPoint::setColor(const Color& color) { font_->setColor(color); }

void ScreenTextPoint::setSize(double size) { font_->setSize(size); }

double ScreenTextPoint::getSize() const { return font_->getSize(); }

void ScreenTextPoint::setPosition(double x, double y)
{
    x_ = x;
    y_ = y;
}

double ScreenTextPoint::getX() const { return x_; }

double ScreenTextPoint::getY() const { return y_; }

double ScreenTextPoint::getWidth() const
{
    double width = 0.0;
    for (const std::string& line : lines_) width = std::max(width, font_->lineWidth(line));
    return width;
}

double ScreenTextPoint::lineWidth(const std::string& line) const { return font_->lineWidth(line); }

double ScreenTextPoint::getHeight() const
{
    return getSize() * (lineSpacing * static_cast<double>(lines_.size()) - 0.1);
}

ScreenTextPoint::Origin ScreenTextPoint::lineOrigin(std::size_t index) const
{
    const double size = getSize();
    const double lines = static_cast<double>(lines_.size());
    const int a = alignment_;
    double firstY;  // the first line's cell bottom
    if (a >= TopLeft && a <= TopRight)
        firstY = y_ - size;
    else if (a >= Left && a <= Right)
        firstY = y_ + ((lineSpacing * lines - 0.1) / 2 - 1) * size;
    else
        firstY = y_ + (lines - 1) * lineSpacing * size;
    double x = x_;
    if (index < lines_.size()) {
        if (a == Top || a == Center || a == Bottom)
            x -= font_->lineWidth(lines_[index]) / 2;
        else if (a == TopRight || a == Right || a == BottomRight)
            x -= font_->lineWidth(lines_[index]);
    }
    return {x, firstY - static_cast<double>(index) * lineSpacing * size};
}

void ScreenTextPoint::draw()
{
    if (!std::isfinite(x_) || !std::isfinite(y_) || !std::isfinite(getSize())) return;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Origin origin = lineOrigin(i);
        glPushMatrix();
        glTranslated(origin.x, origin.y, 0.0);
        font_->drawLine(lines_[i]);
        glPopMatrix();
    }
}
