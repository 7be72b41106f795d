#include "Dto.Retorno.h"

const TDescritor& TRetorno::DescritorClasse() {
    using C = TRetorno;
    static const TDescritor d = TConstrutorDescritor<C>("TRetorno", true)
                                    .Texto("Mensagem", &C::Mensagem, "mensagem")
                                    .Inteiro("StatusCode", &C::StatusCode, "statuscode")
                                    .Fim();
    return d;
}
