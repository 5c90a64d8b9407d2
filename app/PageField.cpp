#include "app/PageField.h"

std::unique_ptr<ScreenTextField> pageField(double left, double bottom, double width, double height, double size,
                                           int alignment, const std::string& text)
{
    auto field = std::make_unique<ScreenTextField>("arial", left, bottom, width, height, text);
    field->setSize(size);
    field->setAlignment(alignment);
    field->setColor(Color(0, 0, 1, 0.7));
    return field;
}
