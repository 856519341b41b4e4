#include "shell/ui/passwordedit.h"

#include "shell/usernames.h"

#include <QLineEdit>

namespace shell {

void setUpPasswordEdit(QLineEdit& edit) {
    edit.setEchoMode(QLineEdit::Password);
    edit.setMaxLength(kUserNameMaxLength);
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&edit](const QString& text) {
        const QString lower = lowered(text);
        if (lower == text)
            return;
        const int position = edit.cursorPosition(); // lowering keeps the length
        edit.setText(lower);
        edit.setCursorPosition(position);
    });
}

} // namespace shell
