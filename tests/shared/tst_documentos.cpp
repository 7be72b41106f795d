// CPF and CNPJ: the check digits of the federal revenue's rule, the masks, and the alerts that
// refuse a number.

#include "ApresentadorGravador.h"
#include "Documentos.h"

#include <QTest>

class TstDocumentos : public QObject {
    Q_OBJECT

private slots:
    void valida_data();
    void valida();
    void formata_data();
    void formata();
};

void TstDocumentos::valida_data() {
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("valido");

    QTest::newRow("cpf masked") << "529.982.247-25" << true;
    QTest::newRow("cpf bare") << "52998224725" << true;
    QTest::newRow("cpf both check digits 0") << "100.000.037-00" << true;
    QTest::newRow("cpf leading zero") << "01234567890" << true;
    QTest::newRow("cpf first check digit wrong") << "529.982.247-35" << false;
    QTest::newRow("cpf second check digit wrong") << "529.982.247-24" << false;
    // Repeated digits satisfy the arithmetic but are no CPF.
    QTest::newRow("cpf all ones") << "111.111.111-11" << false;
    QTest::newRow("cpf all zeros") << "00000000000" << false;
    QTest::newRow("cpf all nines") << "99999999999" << false;
    // Not filled with leading zeros: 1234567890 would be valid as 01234567890.
    QTest::newRow("cpf 10 digits") << "1234567890" << false;
    QTest::newRow("1 digit") << "0" << false;
    QTest::newRow("cnpj masked") << "11.222.333/0001-81" << true;
    QTest::newRow("cnpj bare") << "11222333000181" << true;
    QTest::newRow("cnpj first check digit wrong") << "11.222.333/0001-91" << false;
    QTest::newRow("cnpj second check digit wrong") << "11222333000180" << false;
    QTest::newRow("cnpj zeros") << "00.000.000/0000-00" << false;
    QTest::newRow("cnpj repeated ones, right digits") << "11.111.111/1111-80" << true;
    QTest::newRow("12 digits") << "112223330001" << false;
    QTest::newRow("13 digits") << "1122233300018" << false;
    QTest::newRow("15 digits") << "112223330001810" << false;
    QTest::newRow("cpf with spaces") << "529 982 247 25" << true;
    QTest::newRow("cnpj with commas") << "11,222,333,0001,81" << true;
    QTest::newRow("cpf misplaced separators") << "5-2998/22.4725" << true;
    QTest::newRow("letters around a cpf") << "CPF: 529982247-25." << true;
    QTest::newRow("letters only") << "abcdefghijk" << false;
    QTest::newRow("empty") << "" << false;
}

void TstDocumentos::valida() {
    QFETCH(QString, valor);
    QFETCH(bool, valido);
    TApresentadorGravador apresentador;
    QCOMPARE(ValidaCnpjCpf(valor), valido);
    QVERIFY(apresentador.Alertas.isEmpty());
}

void TstDocumentos::formata_data() {
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("validar");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QString>("alerta");

    const QString nenhum;
    QTest::newRow("cpf masked stays") << "529.982.247-25" << true << "529.982.247-25" << nenhum;
    QTest::newRow("cpf bare masked") << "52998224725" << true << "529.982.247-25" << nenhum;
    QTest::newRow("cnpj masked stays")
        << "11.222.333/0001-81" << true << "11.222.333/0001-81" << nenhum;
    QTest::newRow("cnpj bare masked") << "11222333000181" << true << "11.222.333/0001-81" << nenhum;
    QTest::newRow("cpf wrong digit") << "52998224735" << true << "" << MensagemCpfInvalido;
    QTest::newRow("cpf repeated") << "111.111.111-11" << true << "" << MensagemCpfInvalido;
    QTest::newRow("cpf 10 digits") << "5299822472" << true << "" << MensagemCpfInvalido;
    QTest::newRow("cnpj wrong digit") << "11222333000180" << true << "" << MensagemCnpjInvalido;
    QTest::newRow("15 digits") << "112223330001810" << true << "" << MensagemCnpjInvalido;
    QTest::newRow("12 digits, silent") << "112223330001" << true << "" << nenhum;
    QTest::newRow("13 digits, silent") << "1122233300018" << true << "" << nenhum;
    QTest::newRow("letters validated") << "abcdefghijk" << true << "" << MensagemCpfInvalido;
    QTest::newRow("empty") << "" << true << "" << nenhum;
    QTest::newRow("cpf wrong digit, not validated")
        << "52998224735" << false << "529.982.247-35" << nenhum;
    QTest::newRow("11 letters, not validated")
        << "abcdefghijk" << false << "abc.def.ghi-jk" << nenhum;
    QTest::newRow("14 letters, not validated")
        << "abcdefghijklmn" << false << "ab.cde.fgh/ijkl-mn" << nenhum;
    QTest::newRow("10 digits, not validated") << "5299822472" << false << "" << nenhum;
    QTest::newRow("15 digits, not validated") << "112223330001810" << false << "" << nenhum;
    // A valid number with stray characters is masked from its digits, never as the other
    // kind's mask of the raw text (14 characters would take the CNPJ mask) nor dropped.
    QTest::newRow("cpf with commas") << "529,982,247,25" << true << "529.982.247-25" << nenhum;
    QTest::newRow("cpf with spaces, not validated")
        << "529 982 247 25" << false << "529.982.247-25" << nenhum;
    QTest::newRow("cnpj with a trailing space")
        << "11.222.333/0001-81 " << true << "11.222.333/0001-81" << nenhum;
}

void TstDocumentos::formata() {
    QFETCH(QString, valor);
    QFETCH(bool, validar);
    QFETCH(QString, resultado);
    QFETCH(QString, alerta);
    TApresentadorGravador apresentador;
    QCOMPARE(FormataCnpjCpf(valor, validar), resultado);
    QCOMPARE(apresentador.Textos(), alerta.isEmpty() ? QStringList() : QStringList{alerta});
    for (const auto& a : apresentador.Alertas)
        QCOMPARE(a.Tipo, TTipoAlerta::TAPressioneESC);
}

QTEST_APPLESS_MAIN(TstDocumentos)
#include "tst_documentos.moc"
