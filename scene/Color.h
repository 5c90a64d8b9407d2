#pragma once
// Color: red, green, blue and alpha as doubles, nominally 0 to 1. A plain value.

class Color {
public:
    constexpr Color(double red = 0.0, double green = 0.0, double blue = 0.0, double alpha = 1.0)
        : red_(red), green_(green), blue_(blue), alpha_(alpha)
    {
    }
    // `color` with another alpha.
    constexpr Color(const Color& color, double alpha)
        : red_(color.red_), green_(color.green_), blue_(color.blue_), alpha_(alpha)
    {
    }
    // From `from` towards `to` by t, channel by channel. t above 1 counts as 1, below -1 as 0,
    // and t in [-1, 0) as t + 1.
    Color(const Color& from, const Color& to, double t);
    constexpr Color(const Color&) = default;
    constexpr Color& operator=(const Color&) = default;
    virtual ~Color() = default;

    constexpr double red() const { return red_; }
    constexpr double green() const { return green_; }
    constexpr double blue() const { return blue_; }
    constexpr double alpha() const { return alpha_; }
    bool operator==(const Color& other) const;

    // Makes this the current GL colour (glColor4d).
    void apply() const;
    // Makes this the texture environment colour (GL_TEXTURE_ENV_COLOR).
    void applyAsTextureEnvironment() const;

private:
    double red_, green_, blue_, alpha_;
};
