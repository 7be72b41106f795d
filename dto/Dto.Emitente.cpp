#include "Dto.Emitente.h"

const TDescritor& TEmitente::DescritorClasse() {
    using C = TEmitente;
    static const TDescritor d = TConstrutorDescritor<C>("TEmitente", true)
                                    .Texto("Bairro", &C::Bairro, "bairro")
                                    .Texto("Cnpjcpf", &C::Cnpjcpf, "cnpjcpf")
                                    .Texto("Email", &C::Email, "email")
                                    .Texto("Logradouro", &C::Logradouro, "logradouro")
                                    .Texto("Nomefantasia", &C::Nomefantasia, "nomefantasia")
                                    .Texto("Numero", &C::Numero, "numero")
                                    .Texto("Razaosocial", &C::Razaosocial, "razaosocial")
                                    .Texto("Responsavel", &C::Responsavel, "responsavel")
                                    .Texto("Telefone", &C::Telefone, "telefone")
                                    .Fim();
    return d;
}
