#include "sound/ui/namedialog.h"

#include "widgets/dialogbutton.h"
#include "widgets/modalrunner.h"
#include "widgets/namedwidgets.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace sound {
namespace {

constexpr int kNameLength = 80; // as long as a word of the dictionary

} // namespace

NameDialog::NameDialog(widgets::ModalRunner& modals, QWidget* parent)
    : QDialog(parent)
    , m_modals(modals)
    , m_name(widgets::lineEdit(QStringLiteral("Edit1"), kNameLength, this)) {
    setObjectName(QStringLiteral("TNameDlg"));
    setWindowTitle(QStringLiteral("Název zvukového záznamu"));
    // Lower case as it is typed, the caret staying where it was.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString lower = text.toLower();
        if (lower == text)
            return;
        const int caret = m_name->cursorPosition();
        m_name->setText(lower);
        m_name->setCursorPosition(caret);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(widgets::label(QStringLiteral("Label1"),
                                     QStringLiteral("Zadej název zvukového záznamu:"), this));
    layout->addWidget(m_name);
    layout->addLayout(widgets::okCancelButtonRow(*this));
}

std::optional<QString> NameDialog::run() {
    m_name->clear();
    m_name->setFocus();
    return widgets::choiceOf(m_modals, *this, [this] { return m_name->text().toLower(); });
}

} // namespace sound
