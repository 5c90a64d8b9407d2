// The message box's lines: broken between words to fit, and inside a word only when it must.
#include "overlay/MessageBox.h"

#include <gtest/gtest.h>

TEST(MessageBoxTest, TextIsBrokenToFitTheWidth)
{
    const MessageBox::Measure letters = [](const std::string& line) { return static_cast<double>(line.size()); };
    const std::vector<std::pair<std::string, std::vector<std::string>>> textAndLines = {
        {"short", {"short"}},
        {"the file is damaged", {"the file", "is", "damaged"}},
        {"a  b\n\nc", {"a b", "", "c"}},
        {"models/sky.bmp is bad", {"models/s", "ky.bmp", "is bad"}},
        {"", {}},
    };
    for (const auto& [text, lines] : textAndLines) EXPECT_EQ(MessageBox::wrap(text, 8, letters), lines) << text;
}

TEST(MessageBoxTest, ThePanelHoldsItsLines)
{
    MessageBox box;
    EXPECT_FALSE(box.isVisible());
    box.show("Error", std::string(400, 'x'));
    ASSERT_TRUE(box.isVisible());
    EXPECT_GT(box.text().getLines().size(), 3u);
    EXPECT_LE(box.text().getWidth(), box.panel().getWidth());
    EXPECT_GT(box.panel().getY() + box.panel().getHeight(), box.title().getY());
    EXPECT_LT(box.panel().getY(), box.text().getY() - box.text().getHeight());
    box.hide();
    EXPECT_FALSE(box.title().isVisible());
}
