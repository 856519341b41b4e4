// The navigator under the word grid: one table gives each button its name, icon and hint,
// whether it shows outside edit mode, and what it does to the dictionary shown.
#include "shell/ui/dictionarypane.h"

#include "dictionary/wordtablemodel.h"
#include "store/error.h"
#include "widgets/namedwidgets.h"

#include <QHBoxLayout>
#include <QTableView>
#include <QToolButton>

#include <functional>

namespace shell {

QWidget* DictionaryPane::buildNavigator() {
    auto* navigator = widgets::named(new QWidget(this), "DBNavigator1");
    auto* layout = new QHBoxLayout(navigator);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    struct Button {
        const char* name;
        QStyle::StandardPixmap icon;
        const char* hint;
        bool shownOutsideEditMode;
        std::function<void()> act;
    };
    const Button buttons[] = {
        {"NavFirst", QStyle::SP_MediaSkipBackward, "První slovíčko", true,
         [this] {
             m_table1.first();
         }},
        {"NavPrior", QStyle::SP_MediaSeekBackward, "Předchozí slovíčko", true,
         [this] {
             m_table1.prior();
         }},
        {"NavNext", QStyle::SP_MediaSeekForward, "Další slovíčko", true,
         [this] {
             m_table1.next();
         }},
        {"NavLast", QStyle::SP_MediaSkipForward, "Poslední slovíčko", true,
         [this] {
             m_table1.last();
         }},
        {"NavInsert", QStyle::SP_FileDialogNewFolder, "Přidat slovíčko", false,
         [this] {
             m_table1.insert();
             m_grid->setFocus();
             m_grid->setCurrentIndex(m_wordModel->index(m_wordModel->currentRow(), 0));
         }},
        {"NavDelete", QStyle::SP_TrashIcon, "Odebrat slovíčko", false,
         [this] {
             if (m_services.messages.confirmDangerous(QStringLiteral("Smazat záznam?")))
                 m_table1.deleteRecord();
         }},
        {"NavEdit", QStyle::SP_FileDialogDetailedView, "Editace slovíčka", false,
         [this] {
             m_table1.edit();
         }},
        {"NavPost", QStyle::SP_DialogApplyButton, "Ukončení editace", false,
         [this] {
             m_table1.post();
         }},
        {"NavCancel", QStyle::SP_DialogCancelButton, "Zrušení editace", false,
         [this] {
             m_table1.cancel();
         }},
        {"NavRefresh", QStyle::SP_BrowserReload, "Refresh databaze", true,
         [this] {
             m_table1.refresh();
         }},
    };
    for (const Button& shown : buttons) {
        auto* button = widgets::iconButton(shown.name, shown.icon, QString::fromUtf8(shown.hint),
                                           navigator, 16);
        button->setVisible(shown.shownOutsideEditMode);
        if (!shown.shownOutsideEditMode)
            m_editButtons << button;
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, act = shown.act] {
            if (!m_table1.active())
                return;
            try {
                act();
                refreshWordState();
            } catch (const store::Error& error) {
                m_services.messages.error(error.message());
            }
        });
    }
    layout->addStretch(1);
    return navigator;
}

} // namespace shell
