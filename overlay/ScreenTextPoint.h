#pragma once
// ScreenTextPoint: a block of text anchored at a point of the screen. The anchor code says
// which point of the block lies on the anchor (see Anchor); lines are 1.1 sizes apart, the
// first on top, and each line is centred or right-aligned by its own width.
// The text is split into lines at "\n" and "\r\n"; a lone "\r" stays in its line. A
// trailing break adds no empty line, and an empty text has no lines (it draws nothing, is
// 0 wide and -0.1 sizes high). A text at a non-finite place or size draws nothing.
// It owns its Font; building one throws GameError when the font cannot be loaded.
#include <memory>
#include <string>
#include <vector>

#include "overlay/Font.h"
#include "overlay/ScreenElement.h"

class ScreenTextPoint : public virtual ScreenElement {
public:
    // Anchor codes: which point of the text block lies on the anchor.
    enum Anchor {
        TopLeft = 0,
        Top = 1,
        TopRight = 2,
        Left = 3,
        Center = 4,
        Right = 5,
        BottomLeft = 6,
        Bottom = 7,
        BottomRight = 8,
    };

    // White text in font `fontName`, anchored top left at (0, 0).
    explicit ScreenTextPoint(const std::string& fontName = "arial", const std::string& text = "");
    ~ScreenTextPoint() override;

    virtual void setAlignment(int alignment);
    virtual int getAlignment() const;
    virtual void setText(const std::string& text);
    // The lines joined with "\n", without a trailing break.
    virtual std::string getText() const;
    virtual void setColor(const Color& color);
    virtual void setSize(double size);
    virtual double getSize() const;
    virtual void setPosition(double x, double y);
    virtual double getX() const;
    virtual double getY() const;
    // The widest line's width; 0 without lines.
    virtual double getWidth() const;
    // size * (1.1 * lines - 0.1).
    virtual double getHeight() const;
    // The width `line` would take in this text's font and size.
    double lineWidth(const std::string& line) const;

    Color getColor() const { return font_->getColor(); }
    const std::vector<std::string>& getLines() const { return lines_; }
    // Where line `index` is drawn from: the lower left corner of its first glyph cell.
    struct Origin {
        double x, y;
    };
    Origin lineOrigin(std::size_t index) const;

    void draw() override;

    // The lines of `text`, split as setText splits them.
    static std::vector<std::string> splitLines(const std::string& text);

    // Lines are this many sizes apart.
    static constexpr double lineSpacing = 1.1;

private:
    std::unique_ptr<Font> font_;
    int alignment_ = TopLeft;
    std::vector<std::string> lines_;
    double x_ = 0.0;
    double y_ = 0.0;
};
