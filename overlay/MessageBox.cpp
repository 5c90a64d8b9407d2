#include "overlay/MessageBox.h"

#include <sstream>

#include "overlay/Cursor.h"

namespace {
constexpr int boxLayer = Cursor::overlayLayer - 1;  // the pointer stays on top to click with
constexpr double panelLeft = 0.1, panelWidth = 0.8, margin = 0.03, gap = 0.025;
constexpr double titleSize = 0.06, textSize = 0.035, hintSize = 0.028;
const Color panelColor(0.0, 0.0, 0.08, 0.8);
const Color titleColor(1.0, 0.35, 0.3, 1.0);
const Color textColor(1.0, 1.0, 1.0, 1.0);
const Color hintColor(0.7, 0.7, 0.8, 1.0);
const std::string hintText = "Click or press a key to go on";

std::unique_ptr<ScreenTextPoint> centredText(double size, const Color& color, const std::string& text = "")
{
    auto point = std::make_unique<ScreenTextPoint>("arial", text);
    point->setAlignment(ScreenTextPoint::Top);
    point->setSize(size);
    point->setColor(color);
    point->setLayer(boxLayer);
    point->hide();
    return point;
}

// Appends `word` to the lines, starting a new line where it does not fit and breaking it
// where it fills a whole line.
void place(const std::string& word, double width, const MessageBox::Measure& measure, std::vector<std::string>& lines)
{
    std::string& last = lines.back();
    const std::string joined = last.empty() ? word : last + " " + word;
    if (measure(joined) <= width) {
        last = joined;
        return;
    }
    if (!last.empty()) lines.emplace_back();
    for (char c : word) {
        if (!lines.back().empty() && measure(lines.back() + c) > width) lines.emplace_back();
        lines.back() += c;
    }
}
}  // namespace

MessageBox::MessageBox()
    : panel_(std::make_unique<ColorScreenBeam>(0, 0, 0, 0, true, true, panelColor, panelColor, 1.0)),
      title_(centredText(titleSize, titleColor)),
      text_(centredText(textSize, textColor)),
      hint_(centredText(hintSize, hintColor, hintText))
{
    panel_->setLayer(boxLayer - 1);
    panel_->hide();
}

void MessageBox::show(const std::string& title, const std::string& text)
{
    if (isVisible() && title == shownTitle_ && text == shownText_) return;
    shownTitle_ = title;
    shownText_ = text;
    title_->setText(title);
    std::string wrapped;
    const Measure measure = [this](const std::string& line) { return text_->lineWidth(line); };
    for (const std::string& line : wrap(text, panelWidth - 2 * margin, measure)) wrapped += line + "\n";
    text_->setText(wrapped);
    layOut();
    panel_->show();
    title_->show();
    text_->show();
    hint_->show();
}

void MessageBox::hide()
{
    panel_->hide();
    title_->hide();
    text_->hide();
    hint_->hide();
}

// Centred on the screen: title, text and hint from the top down, a margin round them.
void MessageBox::layOut()
{
    const double contents = title_->getHeight() + gap + text_->getHeight() + gap + hint_->getHeight();
    const double height = contents + 2 * margin;
    const double bottom = 0.5 - height / 2;
    panel_->setPosition(panelLeft, bottom);
    panel_->setSize(panelWidth, height);
    const double centre = panelLeft + panelWidth / 2;
    double top = bottom + height - margin;
    for (ScreenTextPoint* part : {title_.get(), text_.get(), hint_.get()}) {
        part->setPosition(centre, top);
        top -= part->getHeight() + gap;
    }
}

std::vector<std::string> MessageBox::wrap(const std::string& text, double width, const Measure& measure)
{
    std::vector<std::string> lines;
    for (const std::string& paragraph : ScreenTextPoint::splitLines(text)) {
        lines.emplace_back();
        std::istringstream words(paragraph);
        for (std::string word; words >> word;) place(word, width, measure, lines);
    }
    return lines;
}
