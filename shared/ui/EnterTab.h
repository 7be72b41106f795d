#pragma once

#include <QObject>

class QWidget;

// Makes Enter move the focus to the next control of a form, as Tab does; on a button Enter
// presses it. Installed on every control the form holds when it is made.
class TEnterTab : public QObject {
    Q_OBJECT

public:
    explicit TEnterTab(QWidget* form);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* FForm;
};
