#include "programicon.h"

namespace vesk {

QIcon WindowIcon() {
    return QIcon(QStringLiteral(":/icons/vesk-32.png"));
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vesk-32.png"));
    icon.addFile(QStringLiteral(":/icons/vesk-32@2x.png"));
    return icon;
}

} // namespace vesk
