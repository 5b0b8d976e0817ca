#pragma once

#include "fields/language.h"
#include "fittings/k_metodos.h"

#include <QString>
#include <optional>

// The fittings window's two operations, as ordered steps over its fields: the fill of the K
// factors for a diameter, and the running K total.
namespace vorlo {

// The fittings window's fields, by row (0-22). A write that changes a count or K text may run
// the K total at once, nested, as typing does.
class CamposAccesorios {
  public:
    virtual ~CamposAccesorios() = default;

    // Diametrillo
    virtual QString diametro() const = 0;
    // Naccesorios(fila)
    virtual QString unidades(int fila) const = 0;
    virtual void escribirUnidades(int fila, const QString &texto) = 0;
    virtual void habilitarUnidades(int fila, bool habilitado) = 0;
    // k(fila)
    virtual QString k(int fila) const = 0;
    virtual void escribirK(int fila, const QString &texto) = 0;
    virtual void habilitarK(int fila, bool habilitado) = 0;
    // Label14
    virtual void escribirMensaje(const QString &texto) = 0;
    // ktotal, the hidden label that holds the total while it is summed
    virtual QString ktotal() const = 0;
    virtual void escribirKtotal(const QString &texto) = 0;
    // textbox_ktotal
    virtual void escribirTextboxKtotal(const QString &texto) = 0;
    // The pipe flow window's ktotal; writes nothing while that field is hidden or the window
    // does not exist.
    virtual void escribirKtotalTuberia(const QString &texto) = 0;
};

// Said when the pipe window's new diameter (%1, in mm) emptied the counts of the list.
inline const TextoBilingue kListaVaciadaPorDiametro{
    QStringLiteral("El diámetro de la tubería cambió a %1 mm: la lista de accesorios se ha "
                   "vaciado; elíjalos de nuevo."),
    QStringLiteral("The pipe's diameter changed to %1 mm: the list of fittings was cleared; "
                   "choose them again.")};

// Whether a new diameter text starts the fill: compared as text, above "0" and below "9999999".
bool disparaRelleno(const QString &diametro);

// Resets every count, clears the message, selects the nominal diameter for the diameter text
// and fills the K of rows 0-20. A diameter text that is not a number fills nothing and shows
// nothing; the counts are reset all the same.
void RellenarK(CamposAccesorios &campos);

// A new diameter under a method: resets every count, then fills the K of rows 0-20 as
// RellenarKMetodo does. With the table method it is exactly RellenarK above.
void RellenarK(CamposAccesorios &campos, MetodoK metodo, std::optional<double> reynolds);

// The K of rows 0-20 for the current diameter by a method, the counts kept (a method or Reynolds
// number chosen anew). Every row 0-20 is enabled and gets its K with four decimals, or an empty
// K where the method gives none; the message is cleared. With the table method the K are first
// emptied and enabled, then filled as a fresh fill at this diameter would; the user rows 21-22
// are never touched.
void RellenarKMetodo(CamposAccesorios &campos, MetodoK metodo, std::optional<double> reynolds);

// Sums count x K over every row whose two texts are present, and hands the total on. Returns
// the total's text: empty, handed on as empty, when a row holds a count that is not a whole
// number from 0 up or a K that is not a number from 0 up (problemaAccesorios says which).
QString CalcularKTotal(CamposAccesorios &campos);

// The first row whose count or K the total cannot take, and why ("Row 10: count: must be a
// whole number"); nullopt when every row can be summed.
std::optional<TextoBilingue> problemaAccesorios(const CamposAccesorios &campos);

} // namespace vorlo
