#include "application_title.h"

#include <QFileInfo>

QString applicationTitle(const QString& executablePath)
{
    const QString name = QFileInfo(executablePath).fileName().section(u'.', 0, 0);
    return name.left(1) + name.mid(1).toLower();
}
