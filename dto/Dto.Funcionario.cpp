#include "Dto.Funcionario.h"

const TDescritor& TFuncionario::DescritorClasse() {
    using C = TFuncionario;
    static const TDescritor d =
        TConstrutorDescritor<C>("TFuncionario", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codfuncionario", &C::Codfuncionario, "codfuncionario")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Texto("Nome", &C::Nome, "nome")
            .Texto("Senha", &C::Senha, "senha")
            .Texto("Usuario", &C::Usuario, "usuario")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
