#pragma once

#include <QString>

class QFont;
class QToolButton;
class QWidget;

enum class TFigura { Confirmar, Cancelar, Localizar };

// A 57 x 49 button with its picture above the caption, as the forms' button strips use; the
// pictures are drawn here. Localizar makes the small glyph button of a lookup instead.
QToolButton* CriaBotaoFigura(QWidget* pai, const QString& nome, const QString& texto,
                             TFigura figura);

// The forms' font: the system's, at the small size their fixed layouts were drawn for.
QFont FonteFormulario(const QFont& base);
