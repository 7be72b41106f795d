#include "Dto.Cliente.h"

const TDescritor& TCliente::DescritorClasse() {
    using C = TCliente;
    static const TDescritor d =
        TConstrutorDescritor<C>("TCliente", true)
            .Real("Acrescimoindividual", &C::Acrescimoindividual, "acrescimoindividual")
            .Texto("Bairro", &C::Bairro, "bairro")
            .Texto("Celular", &C::Celular, "celular")
            .Texto("Cep", &C::Cep, "cep")
            .Texto("Cnpjcpf", &C::Cnpjcpf, "cnpjcpf")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codcidade", &C::Codcidade, "codcidade")
            .Inteiro("Codcliente", &C::Codcliente, "codcliente")
            .Inteiro("Codvendedor", &C::Codvendedor, "codvendedor")
            .Texto("Complemento", &C::Complemento, "complemento")
            .Texto("Contato", &C::Contato, "contato")
            .Texto("Email", &C::Email, "email")
            .Booleano("Exibirnodispositivo", &C::Exibirnodispositivo, "exibirnodispositivo")
            .Texto("Fax", &C::Fax, "fax")
            .Booleano("Inativo", &C::Inativo, "inativo")
            .Texto("Inscricaoestadualrg", &C::Inscricaoestadualrg, "inscricaoestadualrg")
            .Texto("Inscricaomunicipal", &C::Inscricaomunicipal, "inscricaomunicipal")
            .Texto("Logradouro", &C::Logradouro, "logradouro")
            .Texto("Nomecidade", &C::Nomecidade, "nomecidade")
            .Texto("Nomefantasia", &C::Nomefantasia, "nomefantasia")
            .Texto("Numero", &C::Numero, "numero")
            .Booleano("Pedidocomst", &C::Pedidocomst, "pedidocomst")
            .Texto("Razaosocialnome", &C::Razaosocialnome, "razaosocialnome")
            .Texto("Telefone", &C::Telefone, "telefone")
            .Texto("Tipopreco", &C::Tipopreco, "tipopreco")
            .Texto("Uf", &C::Uf, "uf")
            .Inteiro("Versao", &C::Versao, "versao")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Texto("Regiao", &C::Regiao, "regiao")
            .Inteiro("ID", &C::ID, "id")
            .Fim();
    return d;
}

const TDescritor& TAtualizaCliente::DescritorClasse() {
    using C = TAtualizaCliente;
    static const TDescritor d =
        TConstrutorDescritor<C>("TAtualizaCliente", true)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codcliente", &C::Codcliente, "codcliente")
            .Inteiro("Id", &C::Id, "id")
            .Fim();
    return d;
}
