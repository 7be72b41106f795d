#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace importador {

// The small notice that slides up in the bottom right-hand corner when a pass stored orders,
// rests for a second and slides down again.
class TFAlertaPedido : public QWidget {
    Q_OBJECT
public:
    explicit TFAlertaPedido(QWidget* parent = nullptr);

    // Shows the notice; while one is under way it goes on undisturbed.
    void Mostra();

    QLabel* Image1;
    QLabel* Label1;
    QTimer* TimerSobeAviso;
    QTimer* TimerEspera;
    QTimer* TimerDesceAviso;

    // B: the top at which the window's bottom edge lies on the screen's bottom edge.
    int Base() const;

public Q_SLOTS:
    void SobeAviso();
    void DesceAviso();
    void TimerEsperaTimer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormShow();
};

} // namespace importador
