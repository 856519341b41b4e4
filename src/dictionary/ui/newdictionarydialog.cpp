#include "dictionary/ui/newdictionarydialog.h"

#include "app/helppages.h"
#include "widgets/dialogbutton.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dictionary {

using widgets::lineEdit;
using widgets::radioButton;
namespace {

constexpr int kAnsiCharset = 0;
constexpr int kCentralEuropeanCharset = 238;
constexpr int kFontSize = 12;
constexpr int kSmallestFont = 8;
constexpr int kLargestFont = 18;

// The pronunciation font draws its own strokes; bold or italic would spoil them.
const QString kPronunciationFace = QStringLiteral("Rezur OV ezuvizer");

FontSetting fontSpec(const QFont& font, int charset) {
    FontSetting setting;
    setting.face = font.family();
    setting.charset = charset;
    setting.bold = font.bold();
    setting.italic = font.italic();
    if (font.pointSize() > 0)
        setting.size = font.pointSize();
    return setting;
}

} // namespace

NewDictionaryDialog::NewDictionaryDialog(widgets::Services& services, const app::RunState& state,
                                         QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_manual(radioButton(QStringLiteral("RadioManual"), QStringLiteral("Ručně"), this))
    , m_fromSettings(
          radioButton(QStringLiteral("RadioFromSettings"), QStringLiteral("Z konfigurace"), this))
    , m_name(lineEdit(QStringLiteral("Edit1"), 30, this))
    , m_language(lineEdit(QStringLiteral("Edit2"), 25, this))
    , m_note(new QPlainTextEdit(this))
    , m_czechFontButton(widgets::dialogButton(QStringLiteral("Button1"),
                                              QStringLiteral("Font českého slovíčka"), this))
    , m_otherFontButton(widgets::dialogButton(QStringLiteral("Button2"),
                                              QStringLiteral("Font cizojazyčného slovíčka"), this))
    , m_descriptionFontButton(widgets::dialogButton(
          QStringLiteral("Button3"), QStringLiteral("Font popisu (výslovnosti)"), this)) {
    setObjectName(QStringLiteral("OKBottomDlg3"));
    setWindowTitle(QStringLiteral("Přidání nového slovníku"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), kFontSize, QFont::Bold));

    auto* settings = new QGroupBox(QStringLiteral(" Nastavení "), this);
    settings->setObjectName(QStringLiteral("RadioGroup1"));
    auto* columns = new QGridLayout(settings);
    columns->addWidget(m_manual, 0, 0);
    columns->addWidget(m_fromSettings, 0, 1);
    connect(m_manual, &QRadioButton::toggled, this, &NewDictionaryDialog::updateEnabled);

    m_note->setObjectName(QStringLiteral("Memo1"));
    m_note->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* fields = new QFormLayout;
    fields->setRowWrapPolicy(QFormLayout::WrapAllRows);
    fields->addRow(QStringLiteral("Název slovníku:"), m_name);
    fields->addRow(QStringLiteral("Název jazyku:"), m_language);
    fields->addRow(QStringLiteral("Popis k slovníku:"), m_note);

    connect(m_czechFontButton, &QPushButton::clicked, this, [this] { chooseFont(m_czech); });
    connect(m_otherFontButton, &QPushButton::clicked, this, [this] { chooseFont(m_other); });
    connect(m_descriptionFontButton, &QPushButton::clicked, this,
            [this] { chooseFont(m_description); });
    auto* fontButtons = new QVBoxLayout;
    fontButtons->addWidget(m_czechFontButton);
    fontButtons->addWidget(m_otherFontButton);
    fontButtons->addWidget(m_descriptionFontButton);

    QHBoxLayout* buttons = widgets::okCancelButtonRow(*this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kNewDictionary);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settings);
    layout->addLayout(fields);
    layout->addLayout(fontButtons);
    layout->addLayout(buttons);
    prepareDefaults();
}

std::optional<NewDictionaryChoice> NewDictionaryDialog::run() {
    return widgets::choiceOf(m_services.modals, *this, [this] { return choice(); });
}

void NewDictionaryDialog::accept() {
    const bool manual = m_manual->isChecked();
    if (m_name->text().isEmpty() || (manual && m_language->text().isEmpty())) {
        m_services.messages.error(manual ? QStringLiteral("Musíš vyplnit název slovníku a jazyk.")
                                         : QStringLiteral("Musíš vyplnit název slovníku."));
        return;
    }
    QDialog::accept();
}

void NewDictionaryDialog::reject() {
    m_cancelled = true;
    QDialog::reject();
}

void NewDictionaryDialog::showEvent(QShowEvent* event) {
    prepareDefaults();
    m_name->setFocus();
    QDialog::showEvent(event);
}

void NewDictionaryDialog::prepareDefaults() {
    const auto prepared = [this](const QString& face, int charset) {
        QFont font = this->font();
        font.setFamily(face);
        font.setBold(false);
        font.setItalic(false);
        font.setPointSize(kFontSize);
        return FontSlot{font, charset};
    };
    m_czech = prepared(QStringLiteral("Arial"), kCentralEuropeanCharset);
    m_other = prepared(QStringLiteral("Arial"), kAnsiCharset);
    m_description = prepared(kPronunciationFace, kCentralEuropeanCharset);
    m_fromSettings->setChecked(true);
    m_name->clear();
    m_language->clear();
    m_note->clear();
    m_cancelled = false;
    updateEnabled();
}

void NewDictionaryDialog::chooseFont(FontSlot& slot) {
    std::optional<QFont> chosen =
        m_services.fonts.pick(slot.font, kSmallestFont, kLargestFont, this);
    if (!chosen)
        return;
    if (&slot == &m_description && chosen->family() == kPronunciationFace) {
        chosen->setBold(false);
        chosen->setItalic(false);
    }
    slot.font = *chosen;
}

void NewDictionaryDialog::updateEnabled() {
    const bool manual = m_manual->isChecked();
    m_language->setEnabled(manual);
    m_czechFontButton->setEnabled(manual);
    m_otherFontButton->setEnabled(manual);
    m_descriptionFontButton->setEnabled(manual);
}

NewDictionaryChoice NewDictionaryDialog::choice() const {
    NewDictionaryChoice result;
    result.name = m_name->text();
    result.manual = m_manual->isChecked();
    result.language = m_language->text();
    const QString note = m_note->toPlainText();
    if (!note.isEmpty())
        result.noteLines = note.split(u'\n');
    result.czech = fontSpec(m_czech.font, m_czech.charset);
    result.other = fontSpec(m_other.font, m_other.charset);
    result.description = fontSpec(m_description.font, m_description.charset);
    return result;
}

} // namespace dictionary
