// The About box: the program's name, version and makers.
#pragma once

#include <QDialog>

namespace trellon {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace trellon
