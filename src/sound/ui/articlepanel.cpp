#include "sound/ui/articlepanel.h"

#include "sound/article.h"
#include "widgets/namedwidgets.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sound {
namespace {

QPushButton* panelButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = widgets::named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ArticlePanel::ArticlePanel(QWidget* parent)
    : QWidget(parent)
    , m_name(widgets::lineEdit(QStringLiteral("EditN"), kArticleNameMaxLength, this))
    , m_intervals(widgets::named(new QListWidget(this), "ListBox1"))
    , m_save(panelButton("SaveArticle", QStringLiteral("Ulož"), this)) {
    setObjectName(QStringLiteral("PanelArticle"));
    auto* insert = panelButton("InsertInterval", QStringLiteral("Vlož [F9]  >>>>>>>>"), this);
    auto* remove = panelButton("DeleteInterval", QStringLiteral("Smaž interval <<<<"), this);
    connect(insert, &QPushButton::clicked, this, &ArticlePanel::insertRequested);
    connect(remove, &QPushButton::clicked, this, &ArticlePanel::deleteInterval);
    connect(m_save, &QPushButton::clicked, this, &ArticlePanel::saveRequested);
    connect(m_name, &QLineEdit::textChanged, this, &ArticlePanel::applySaveRule);
    // The fields of a line stand under each other.
    m_intervals->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(
        widgets::label(QStringLiteral("Label10"), QStringLiteral("Název článku (lekce)"), this));
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(
        widgets::label(QStringLiteral("Label11"), QStringLiteral("(bez diakritiky)"), this));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(insert);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto* listRow = new QHBoxLayout;
    listRow->addLayout(buttons);
    listRow->addWidget(m_intervals, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(nameRow);
    layout->addLayout(listRow, 1);
    applySaveRule();
}

void ArticlePanel::reset() {
    m_name->clear();
    clearIntervals();
}

void ArticlePanel::addInterval(const QString& line) {
    m_intervals->addItem(line);
    m_intervals->setCurrentRow(m_intervals->count() - 1);
    applySaveRule();
}

void ArticlePanel::clearIntervals() {
    m_intervals->clear();
    applySaveRule();
}

QString ArticlePanel::name() const {
    return m_name->text();
}

QStringList ArticlePanel::intervals() const {
    QStringList lines;
    for (int row = 0; row < m_intervals->count(); ++row)
        lines << m_intervals->item(row)->text();
    return lines;
}

void ArticlePanel::deleteInterval() {
    if (m_intervals->count() > 0 && m_intervals->currentRow() >= 0)
        delete m_intervals->takeItem(m_intervals->currentRow());
    m_intervals->setCurrentRow(m_intervals->count() - 1);
    applySaveRule();
}

void ArticlePanel::applySaveRule() {
    m_save->setEnabled(canStoreArticle(m_name->text(), m_intervals->count()));
}

} // namespace sound
