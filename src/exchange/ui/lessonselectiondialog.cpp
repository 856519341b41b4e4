#include "exchange/ui/lessonselectiondialog.h"

#include "exchange/dictionaryimport.h"
#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace exchange {

LessonSelectionDialog::LessonSelectionDialog(widgets::Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_lessons(new QComboBox(this)) {
    setObjectName(QStringLiteral("TSelLekceDlg"));
    setWindowTitle(QStringLiteral("Výběr lekce"));
    m_lessons->setObjectName(QStringLiteral("ComboBox1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Přidej slovíčka z lekce:"), this));
    layout->addWidget(m_lessons);
    layout->addWidget(new QLabel(QStringLiteral("Po stisku OK budou slovíčka přidána"), this));
    layout->addLayout(widgets::okCancelButtonRow(*this));
}

std::optional<LessonChoice> LessonSelectionDialog::run(const QStringList& lessonItems) {
    m_lessons->clear();
    m_lessons->addItems(lessonItems);
    m_lessons->setCurrentIndex(0);
    return widgets::choiceOf(m_services.modals, *this, [this] {
        return LessonChoice{lessonAtListPosition(m_lessons->currentIndex())};
    });
}

} // namespace exchange
