// The dictionary pane's controls and their reactions to the user: the dictionary list and
// notes beside the word grid, the description and search strip, and the navigator.
#include "shell/ui/dictionarypane.h"

#include "dictionary/wordtablemodel.h"
#include "entry/normalizetestword.h"
#include "widgets/namedwidgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {
namespace {

using widgets::named;

// Esc on the grid drops the edits of the row being edited (a new row with them), as in a
// database grid; in a cell editor it drops only what was typed there.
class RowCancelKey : public QObject {
public:
    RowCancelKey(store::Cursor& table, QObject* parent)
        : QObject(parent)
        , m_table(table) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        if (!escape || !m_table.editing())
            return QObject::eventFilter(watched, event);
        m_table.cancel();
        return true;
    }

private:
    store::Cursor& m_table;
};

} // namespace

DictionaryPane::DictionaryPane(widgets::Services& services, app::RunState& state,
                               sound::MediaPlayer& player, QComboBox& sortList,
                               QComboBox& lessonList, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent)
    , m_services(services)
    , m_state(state)
    , m_wordSound(player)
    , m_sortCombo(&sortList)
    , m_lessonCombo(&lessonList) {
    setObjectName(QStringLiteral("Splitter1"));

    auto* left = named(new QSplitter(Qt::Vertical, this), "Splitter3");
    m_dictionaryList = named(new QListWidget(left), "ListBox1");
    m_dictionaryList->setSortingEnabled(false);
    m_notes = named(new QPlainTextEdit(left), "Memo1");
    m_notes->setReadOnly(true);
    m_notes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    left->setSizes({300, 125});
    left->setMinimumWidth(100);

    addWidget(left);
    addWidget(buildWordPane());
    setSizes({158, 470});
    setStretchFactor(1, 1);
    for (QWidget* keyed : std::initializer_list<QWidget*>{
             m_dictionaryList, m_lessonCombo, m_sortCombo, m_grid, m_description, m_notes})
        keyed->installEventFilter(this);
    connectWordList();
}

DictionaryPane::~DictionaryPane() {
    // The grid reads the dictionary cursor until it goes; the cursors go before the
    // pane's children.
    delete m_grid;
}

QWidget* DictionaryPane::buildWordPane() {
    auto* pane = named(new QSplitter(Qt::Vertical, this), "Splitter2");
    m_grid = named(new QTableView(pane), "DBGrid1");
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* lower = new QWidget(pane);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(2);
    m_description = named(new QPlainTextEdit(lower), "DBMemo1");
    m_description->setReadOnly(true);
    m_description->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_description->setFixedHeight(46);
    lowerLayout->addWidget(m_description);

    auto* strip = new QWidget(lower);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    m_searchPanel = named(new QWidget(strip), "Panel2");
    auto* searchLayout = new QHBoxLayout(m_searchPanel);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(new QLabel(QStringLiteral("   Hledej slovíčko"), m_searchPanel));
    m_searchEdit = named(new QLineEdit(m_searchPanel), "Edit1");
    m_searchEdit->setMaxLength(50);
    searchLayout->addWidget(m_searchEdit, 1);
    m_searchPanel->setEnabled(false); // until a dictionary is open
    stripLayout->addWidget(m_searchPanel, 1);
    m_soundButton = named(new QToolButton(strip), "SoundBtn");
    m_soundButton->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    m_soundButton->hide(); // until the dictionary has a sound folder
    stripLayout->addWidget(m_soundButton);
    lowerLayout->addWidget(strip);
    lowerLayout->addWidget(buildNavigator());

    pane->addWidget(m_grid);
    pane->addWidget(lower);
    pane->setStretchFactor(0, 1);
    return pane;
}

void DictionaryPane::connectWordList() {
    m_table1.setObjectName(QStringLiteral("Table1"));
    m_pomTable.setObjectName(QStringLiteral("PomTable"));
    // Every post through the word list keeps the entry's counters and lesson valid and
    // derives its test words by the open dictionary's rules, those in force at the post.
    m_table1.setBeforePost(
        [this](store::Cursor& table) { entry::prepareEntryForPost(table, m_testWordRules); });

    m_wordModel = new dictionary::WordTableModel(m_table1, this);
    m_grid->setModel(m_wordModel);
    m_grid->horizontalHeader()->setHighlightSections(false);
    // The cursor goes to the row the user chose once the grid is done moving there: the
    // post of the row left may reorder the rows under the grid's own handling of the move.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DictionaryPane::followGridRow, Qt::QueuedConnection);
    connect(m_wordModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        if (m_grid->currentIndex().isValid())
            m_gridColumn = m_grid->currentIndex().column();
    });
    connect(m_wordModel, &QAbstractItemModel::modelReset, this,
            &DictionaryPane::showGridCurrentRow);
    connect(
        m_wordModel, &dictionary::WordTableModel::editRefused, this,
        [this](const QString& message) { m_services.messages.error(message); },
        Qt::QueuedConnection); // after the cell editor has closed
    connect(&m_table1, &store::Cursor::currentChanged, this, [this] {
        if (!m_table1.active())
            return;
        showGridCurrentRow();
        m_description->setPlainText(m_table1.field(QStringLiteral("Popis")).asMemo());
        m_description->document()->setModified(false);
        refreshWordState();
    });
    m_grid->installEventFilter(new RowCancelKey(m_table1, m_grid));

    connect(m_dictionaryList, &QListWidget::itemClicked, this,
            &DictionaryPane::openSelectedDictionary);
    connect(m_dictionaryList, &QListWidget::itemActivated, this,
            &DictionaryPane::openSelectedDictionary);
    connect(m_sortCombo, &QComboBox::activated, this, &DictionaryPane::applySortItem);
    connect(m_lessonCombo, &QComboBox::activated, this, &DictionaryPane::applyLessonFilter);
    connect(m_searchEdit, &QLineEdit::textEdited, this, &DictionaryPane::searchWord);
    connect(m_searchEdit, &QLineEdit::returnPressed, m_searchEdit, &QLineEdit::selectAll);
    connect(m_soundButton, &QToolButton::clicked, this, [this] { m_wordSound.play(); });
}

bool DictionaryPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == static_cast<QObject*>(m_description))
        saveDescription();
    if (event->type() != QEvent::KeyPress)
        return QSplitter::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape && m_state.escapeMinimizes) {
        window()->showMinimized();
        return true;
    }
    const bool playKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (playKey && m_soundButton->isVisible() && m_soundButton->isEnabled() && !m_editMode) {
        m_soundButton->click(); // plays the current word's sound
        return true;
    }
    return QSplitter::eventFilter(watched, event);
}

void DictionaryPane::focusDictionaryList() {
    m_dictionaryList->setFocus();
}

void DictionaryPane::fillLessonList(int lessonCount) {
    m_lessonCombo->clear();
    m_lessonCombo->addItem(QStringLiteral("vše"));
    for (int lesson = 0; lesson < lessonCount; ++lesson)
        m_lessonCombo->addItem(QString::number(lesson));
    m_lessonCombo->setCurrentIndex(0);
}

int DictionaryPane::sortItem() const {
    return m_sortCombo->currentIndex();
}

QString DictionaryPane::lessonShown() const {
    return m_lessonCombo->currentText();
}

QStringList DictionaryPane::lessonItems() const {
    QStringList items;
    for (int i = 0; i < m_lessonCombo->count(); ++i)
        items << m_lessonCombo->itemText(i);
    return items;
}

void DictionaryPane::chooseSortItem(int item) {
    m_sortCombo->setCurrentIndex(item);
    applySortItem(item);
}

void DictionaryPane::showAllLessons() {
    m_lessonCombo->setCurrentIndex(0);
    applyLessonFilter();
}

void DictionaryPane::markAllLessonsShown() {
    m_lessonCombo->setCurrentIndex(0);
}

QFont DictionaryPane::notesFont() const {
    return m_notes->font();
}

void DictionaryPane::setNotesFont(const QFont& font) {
    m_notes->setFont(font);
}

} // namespace shell
