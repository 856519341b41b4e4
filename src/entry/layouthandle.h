#pragma once

#include "core/keyboardlayouts.h"

#include <QString>

namespace entry {

// A keyboard layout as the layout lists show it and klayout.ini keeps it.
//
// The handle is a signed 32-bit value whose low 16 bits are the Windows language identifier
// of the layout's language (0x0405 Czech, 0x0409 US English, 0x0407 German, ...; 0 for a
// language not known here) and whose high 16 bits tell apart the layouts of one language: the
// language identifier again for the language's own layout, as Windows makes the handle of a
// language's standard layout (0x04050405), and for a variant or an unknown layout 0xA000 plus
// twelve bits of a hash of its names. A handle depends on nothing but the layout's names, so
// klayout.ini means the same layouts on another machine and in another order of the layouts.
struct LayoutItem {
    qint32 handle = 0;
    // The layout's language in Czech; a variant or an unknown layout adds the system's name.
    QString name;
};

LayoutItem layoutItem(const core::KeyboardLayout& layout);

} // namespace entry
