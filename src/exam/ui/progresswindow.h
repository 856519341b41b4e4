#pragma once

#include "exam/progressdata.h"

#include <QDialog>

namespace widgets {
struct Services;
}

namespace exam {

// The window "Pokroky": the progress charts and the button that saves them as a PNG file.
class ProgressWindow : public QDialog {
public:
    ProgressWindow(const ProgressData& progress, widgets::Services& services, QWidget* parent);

private:
    void saveAsPng();

    ProgressData m_data;
    widgets::Services& m_services;
};

} // namespace exam
