#pragma once

#include "widgets/fontpicker.h"

namespace widgets {

// The toolkit's font dialog, offering only sizes in the given range.
class FontDialogPicker : public FontPicker {
public:
    std::optional<QFont> pick(const QFont& initial, int minimumSize, int maximumSize,
                              QWidget* parent) override;
};

} // namespace widgets
