#include "fittings_fill.h"

#include "fields/numbers.h"
#include "fittings/k_factors.h"

namespace vorlo {

bool disparaRelleno(const QString &diametro) {
    return QString::compare(diametro, QLatin1String("0")) > 0 &&
           QString::compare(diametro, QLatin1String("9999999")) < 0;
}

void RellenarK(CamposAccesorios &campos) {
    using namespace accesorios;
    for (int fila = 0; fila < kFilas; ++fila) {
        campos.habilitarUnidades(fila, true);
        campos.escribirUnidades(fila, QStringLiteral("0"));
    }
    campos.escribirMensaje(QString());

    const std::optional<double> d = leerNumero(campos.diametro());
    if (!d)
        return;
    const SeleccionDiametro s = seleccionarDiametro(*d);
    if (!s.mensaje.isEmpty())
        campos.escribirMensaje(s.mensaje);
    if (!s.nominal)
        return;

    for (int fila = 0; fila < kFilasTabla; ++fila) {
        const double k = TablaK(*s.nominal, fila);
        campos.escribirK(fila, formatoPlano(k).value_or(QString()));
        const bool conValor = k != 0;
        campos.habilitarUnidades(fila, conValor);
        campos.habilitarK(fila, conValor);
        if (!conValor)
            campos.escribirK(fila, QString());
    }
}

QString CalcularKTotal(CamposAccesorios &campos) {
    campos.escribirKtotal(QStringLiteral("0"));
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        const QString unidades = campos.unidades(fila);
        const QString k = campos.k(fila);
        if (unidades.isEmpty() || k.isEmpty())
            continue;
        // A count or K that is not a number adds nothing, nor does a product that would take
        // the total beyond the range of a double.
        const auto n = leerNumero(unidades);
        const auto factor = leerNumero(k);
        const auto acumulado = leerNumero(campos.ktotal());
        if (!n || !factor || !acumulado)
            continue;
        if (const auto t = formatoPlano(*acumulado + *factor * *n))
            campos.escribirKtotal(*t);
    }
    const QString total = campos.ktotal();
    campos.escribirTextboxKtotal(total);
    campos.escribirKtotalTuberia(total);
    return total;
}

} // namespace vorlo
