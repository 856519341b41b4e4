#pragma once

#include <QSlider>

namespace sound {

// A horizontal track bar that also shows a selected range of its values, as a band along its
// groove.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr);

    void setSelection(int start, int end);
    int selectionStart() const { return m_selectionStart; }
    int selectionEnd() const { return m_selectionEnd; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_selectionStart = 0;
    int m_selectionEnd = 0;
};

} // namespace sound
