#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace sound {

// The sound window's panel in the article mode: the article's name and the list of the
// intervals to be cut from the take, one line a piece, and "Ulož" enabled when the article
// can be stored.
class ArticlePanel : public QWidget {
    Q_OBJECT
public:
    explicit ArticlePanel(QWidget* parent = nullptr);

    // An empty name and list.
    void reset();
    void addInterval(const QString& line);
    void clearIntervals();
    QString name() const;
    QStringList intervals() const;

    // The controls in which the window's F-keys work.
    QLineEdit* nameBox() const { return m_name; }
    QListWidget* intervalList() const { return m_intervals; }

signals:
    void insertRequested();
    void saveRequested();

private:
    void deleteInterval();
    void applySaveRule();

    QLineEdit* m_name;
    QListWidget* m_intervals;
    QPushButton* m_save;
};

} // namespace sound
