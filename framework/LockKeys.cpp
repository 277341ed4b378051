#include "framework/LockKeys.h"

#include "framework/StatusBar.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

// Positions of the lock indicators in the X keyboard's indicator mask.
unsigned IndicatorBit(int indicatorId)
{
    switch (indicatorId) {
    case ID_INDICATOR_CAPS: return 1u << 0;
    case ID_INDICATOR_NUM: return 1u << 1;
    case ID_INDICATOR_SCRL: return 1u << 2;
    }
    return 0;
}

} // namespace

std::optional<bool> LockKeyOn(int indicatorId)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display() || IndicatorBit(indicatorId) == 0)
        return std::nullopt;
    unsigned state = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state & IndicatorBit(indicatorId)) != 0;
}
