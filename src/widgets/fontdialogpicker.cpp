#include "widgets/fontdialogpicker.h"

#include <QFontDialog>

namespace widgets {

std::optional<QFont> FontDialogPicker::pick(const QFont& initial, int minimumSize, int maximumSize,
                                            QWidget* parent) {
    QFontDialog dialog(initial, parent);
    dialog.setOption(QFontDialog::ScalableFonts, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = dialog.selectedFont();
    chosen.setPointSize(std::clamp(chosen.pointSize(), minimumSize, maximumSize));
    return chosen;
}

} // namespace widgets
