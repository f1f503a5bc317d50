#pragma once

#include <QWidget>

class QLineEdit;

namespace caldrix {

// Asks for one name and adds it to the roster. "Ok!" only hides it, so the
// last name entered is offered again.
class NewMech : public QWidget {
    Q_OBJECT
public:
    explicit NewMech(QWidget* parent = nullptr);
    void Ok_Click();

signals:
    void nameChosen(const QString& name);

private:
    QLineEdit* newMechName_ = nullptr;
};

} // namespace caldrix
