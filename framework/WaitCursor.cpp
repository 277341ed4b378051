#include "framework/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace {
int depth = 0;
}

namespace WaitCursor {

void Begin()
{
    ++depth;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void End()
{
    if (depth == 0)
        return;
    --depth;
    QApplication::restoreOverrideCursor();
}

int Depth()
{
    return depth;
}

} // namespace WaitCursor
