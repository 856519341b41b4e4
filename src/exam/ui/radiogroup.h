#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace exam {

// A captioned group of radio buttons with one chosen item, addressed by position.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
               QWidget* parent = nullptr);

    int itemIndex() const;
    // Choosing another item in code tells clicked as a user's click does.
    void setItemIndex(int index);
    void setItemText(int index, const QString& text);

signals:
    // Another item has been chosen, by the user or in code.
    void clicked(int index);

private:
    QButtonGroup* m_buttons;
};

} // namespace exam
