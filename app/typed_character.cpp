#include "typed_character.h"

#include <QChar>
#include <QKeyEvent>

std::optional<char32_t> typedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return backspaceCode;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }

    // Platforms differ in the text of Ctrl+letter; the code is what counts.
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
        return std::nullopt;
    }

    const QList<uint> codes = event.text().toUcs4();
    if (codes.isEmpty() || !QChar::isPrint(static_cast<char32_t>(codes.first())))
        return std::nullopt;
    return static_cast<char32_t>(codes.first());
}
