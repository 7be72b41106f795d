#pragma once

// A full order (client, payment form, two lines with products and bar codes, two instalments,
// a deleted line) and its wire text, written by hand from the field tables.

#include "Dto.Pedido.h"

#include <memory>
#include <QByteArray>

std::unique_ptr<TProduto> MontaProdutoGolden1();
std::unique_ptr<TPedido> MontaPedidoGolden();
QByteArray ProdutoGolden1();
QByteArray PedidoGolden();
// The same order as the service sends it: the two lists whose written key differs in letter
// case from the key that is read carry the key that is read.
QByteArray PedidoComoServicoEnvia();
