#pragma once

#include <QWidget>

namespace caldrix {

// The About box; its texts never change.
class AboutForm : public QWidget {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);
    void Ok_Click();
};

} // namespace caldrix
