#pragma once
// Transparent: anything that can fade, through the alpha of its colour.

class Transparent {
public:
    virtual ~Transparent() = default;
    virtual double getAlpha() = 0;
    virtual void setAlpha(double alpha) = 0;
};
