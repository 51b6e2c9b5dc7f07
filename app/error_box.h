#pragma once

#include <QString>
#include <string>

// The text of the error box: the message with its full stop. A message
// that quotes a pasted text may hold many line breaks; past the twentieth
// they show as blanks, so the box keeps its OK button on the screen.
QString errorBoxText(const std::string& message);

// Shows an error as every error of the program is shown: a modal box with
// the stop icon, an OK button and the application's title as caption.
void showErrorBox(const std::string& message);
