#include "label_caption.h"

#include <QLabel>

void LabelCaption::setCaption(const std::string& text)
{
    label_.setText(QString::fromStdString(text));
    label_.adjustSize();
}
