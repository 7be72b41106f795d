#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QProgressBar;
class QTimer;

// A ring of dots whose bright head runs round while the indicator animates.
class TIndicadorAtividade : public QWidget {
    Q_OBJECT

public:
    explicit TIndicadorAtividade(QWidget* parent = nullptr);

    static constexpr int Pontos = 12;

    bool Animando() const;
    int Passo() const { return passo; }
    QSize sizeHint() const override { return {32, 32}; }

public slots:
    void Avanca();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QTimer* relogio;
    int passo = 0;
};

// Borderless box shown while a long step runs on the window thread: a label, a spinning
// indicator and a bar that cycles with no relation to the real progress.
class TFCarregando : public QWidget {
    Q_OBJECT

public:
    explicit TFCarregando(QWidget* parent = nullptr);

    static constexpr int PassoBarra = 5;

    QLabel* Image1;
    QWidget* Panel1;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    TIndicadorAtividade* ActivityIndicator1;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

public slots:
    void Timer1Timer();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
};
