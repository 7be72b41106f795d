#include "uPrincipal.h"

#include "ConexaoImportador.h"
#include "UDM1.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace importador {

namespace {
QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, bool negrito = false) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    if (negrito) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

TFPrincipal::TFPrincipal(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFPrincipal"));
    setWindowTitle(QStringLiteral("Varelo Importação Versão: 16"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(401, 328);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    auto* layout = new QVBoxLayout(this);
    Image1 = rotulo(this, "Image1", QString());
    Image1->setFixedHeight(146);
    lbRazaosocial = rotulo(this, "lbRazaosocial", QStringLiteral("Razão social"));
    edtRazaoSocial = rotulo(this, "edtRazaoSocial", QString());
    lbcnpj = rotulo(this, "lbcnpj", QStringLiteral("CNPJ"));
    edtCnpj = rotulo(this, "edtCnpj", QString());
    lbStatus = rotulo(this, "lbStatus", QString(), true);
    btnImportar = new QPushButton(QStringLiteral("Importar"), this);
    btnImportar->setObjectName(QStringLiteral("btnImportar"));
    Label1 = rotulo(this, "Label1",
                    QStringLiteral("Pedidos são baixados automaticamente de 6 em 6 segundos"), true);
    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(lbRazaosocial),
                       static_cast<QWidget*>(edtRazaoSocial), static_cast<QWidget*>(lbcnpj),
                       static_cast<QWidget*>(edtCnpj), static_cast<QWidget*>(lbStatus),
                       static_cast<QWidget*>(btnImportar), static_cast<QWidget*>(Label1)})
        layout->addWidget(w);

    tmImportaPedidos = new QTimer(this);
    tmImportaPedidos->setObjectName(QStringLiteral("tmImportaPedidos"));
    tmImportaPedidos->setInterval(6000);

    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

void TFPrincipal::MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) {
    edtRazaoSocial->setText(razaoSocial);
    edtCnpj->setText(cnpjcpf);
}

void TFPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        QMetaObject::invokeMethod(this, &TFPrincipal::FormShow, Qt::QueuedConnection);
}

void TFPrincipal::FormShow() {
    if (Encerrar) {
        Q_EMIT ProgramaEncerrado();
        return;
    }
    lbStatus->clear();
    if (!ConectarBanco(*this)) {
        Q_EMIT ProgramaEncerrado();
        return;
    }
}

} // namespace importador
