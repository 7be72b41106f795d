#pragma once

#include <QPixmap>
#include <QSize>

// The programs' pictures, drawn in code so that no image file has to travel with them.
namespace figuras {

// The product logo: a shopping bag with a rising arrow and the name "varelo".
QPixmap Logo(const QSize& tamanho);
// The notification-area icon of the importer.
QPixmap IconeBandeja(int lado);
// An order sheet, for the new-order notice.
QPixmap IconePedido(int lado);
// A cloud with a downward arrow, for the import button.
QPixmap IconeImportar(int lado);
// A database cylinder: the local database.
QPixmap BancoLocal(const QSize& tamanho);
// A cloud: the service.
QPixmap Nuvem(const QSize& tamanho);

} // namespace figuras
