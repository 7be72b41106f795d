#include "Pkg.Json.DTO.h"

const TCampo* TDescritor::Campo(QStringView nome) const {
    for (const TCampo& c : Campos)
        if (nome.compare(c.Nome, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QVariant TCampo::Le(const TObjetoDTO& objeto) const {
    switch (Tipo) {
    case TTipoCampo::Inteiro:
        return QVariant(objeto.*MembroInteiro);
    case TTipoCampo::Real:
        return QVariant(objeto.*MembroReal);
    case TTipoCampo::Booleano:
        return QVariant(objeto.*MembroBooleano);
    case TTipoCampo::Texto:
        return QVariant(objeto.*MembroTexto);
    case TTipoCampo::DataHora: {
        const QDateTime dh = TDateTimeParaDataHora(objeto.*MembroReal);
        return dh.isValid() ? QVariant(dh) : QVariant();
    }
    case TTipoCampo::Objeto:
    case TTipoCampo::Lista:
        break;
    }
    return {};
}

bool TCampo::Grava(TObjetoDTO& objeto, const QVariant& valor) const {
    const bool nulo = valor.isNull();
    bool ok = true;
    switch (Tipo) {
    case TTipoCampo::Inteiro: {
        const int v = nulo ? 0 : valor.toInt(&ok);
        if (ok)
            objeto.*MembroInteiro = v;
        return ok;
    }
    case TTipoCampo::Real: {
        const double v = nulo ? 0 : valor.toDouble(&ok);
        if (ok)
            objeto.*MembroReal = v;
        return ok;
    }
    case TTipoCampo::Booleano:
        if (!nulo && !valor.canConvert<bool>())
            return false;
        objeto.*MembroBooleano = !nulo && valor.toBool();
        return true;
    case TTipoCampo::Texto:
        if (!nulo && !valor.canConvert<QString>())
            return false;
        objeto.*MembroTexto = nulo ? QString() : valor.toString();
        return true;
    case TTipoCampo::DataHora: {
        TDateTime v = 0;
        if (!nulo) {
            switch (valor.typeId()) {
            case QMetaType::QDate:
                v = EncodeDateTime(valor.toDate());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
            case QMetaType::Int:
            case QMetaType::LongLong:
                v = valor.toDouble();
                break;
            default: {
                const QDateTime dh = valor.toDateTime();
                if (!dh.isValid())
                    return false;
                v = DataHoraParaTDateTime(dh);
            }
            }
        }
        objeto.*MembroReal = v;
        return true;
    }
    case TTipoCampo::Objeto:
    case TTipoCampo::Lista:
        break;
    }
    return false;
}
