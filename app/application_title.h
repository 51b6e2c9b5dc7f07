#pragma once

#include <QString>

// The application's title from its executable's path: the file name
// without folder, cut at its first ".", every character after the first in
// lower case ("/opt/StepResponse.exe" gives "Stepresponse").
QString applicationTitle(const QString& executablePath);
