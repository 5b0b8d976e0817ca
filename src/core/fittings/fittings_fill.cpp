#include "fittings_fill.h"

#include "fields/input_checks.h"
#include "fields/numbers.h"
#include "fittings/k_factors.h"

#include <QtNumeric>

namespace vorlo {

bool disparaRelleno(const QString &diametro) {
    return QString::compare(diametro, QLatin1String("0")) > 0 &&
           QString::compare(diametro, QLatin1String("9999999")) < 0;
}

namespace {

void reiniciarUnidades(CamposAccesorios &campos) {
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        campos.habilitarUnidades(fila, true);
        campos.escribirUnidades(fila, QStringLiteral("0"));
    }
}

// The table's part of the fill: the message, the nominal diameter and the K of rows 0-20.
void rellenarTabla(CamposAccesorios &campos) {
    using namespace accesorios;
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

} // namespace

void RellenarK(CamposAccesorios &campos) {
    reiniciarUnidades(campos);
    rellenarTabla(campos);
}

void RellenarK(CamposAccesorios &campos, MetodoK metodo, std::optional<double> reynolds) {
    if (metodo == MetodoK::Tabla) {
        RellenarK(campos);
        return;
    }
    reiniciarUnidades(campos);
    RellenarKMetodo(campos, metodo, reynolds);
}

void RellenarKMetodo(CamposAccesorios &campos, MetodoK metodo, std::optional<double> reynolds) {
    using namespace accesorios;
    const double d = leerNumero(campos.diametro()).value_or(qQNaN());
    // The table may leave rows disabled or keep the K of an earlier diameter; each method starts
    // from open, empty rows so that no K of another method stays behind.
    const KsPorMetodo ks =
        metodo == MetodoK::Tabla ? KsPorMetodo{} : kPorMetodo(metodo, d, reynolds);
    campos.escribirMensaje(QString());
    for (int fila = 0; fila < kFilasTabla; ++fila) {
        campos.habilitarUnidades(fila, true);
        campos.habilitarK(fila, true);
        const std::optional<double> k = ks.k[static_cast<size_t>(fila)];
        campos.escribirK(fila, k ? formatoFijo(*k, 4).value_or(QString()) : QString());
    }
    if (metodo == MetodoK::Tabla)
        rellenarTabla(campos);
}

std::optional<TextoBilingue> problemaAccesorios(const CamposAccesorios &campos) {
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        const QString unidades = campos.unidades(fila);
        const QString k = campos.k(fila);
        if (unidades.isEmpty() || k.isEmpty())
            continue;
        const TextoBilingue nombreFila{QStringLiteral("Fila %1").arg(fila + 1),
                                       QStringLiteral("Row %1").arg(fila + 1)};
        if (const auto m = problemaNumero(unidades, Requisito::EnteroNoNegativo))
            return mensajeCampo(
                nombreFila,
                mensajeCampo({QStringLiteral("unidades"), QStringLiteral("count")}, *m));
        if (const auto m = problemaNumero(k, Requisito::NoNegativo))
            return mensajeCampo(nombreFila,
                                mensajeCampo({QStringLiteral("K"), QStringLiteral("K")}, *m));
    }
    return std::nullopt;
}

QString CalcularKTotal(CamposAccesorios &campos) {
    if (problemaAccesorios(campos)) {
        // A total without the refused row would be taken for the whole run's.
        campos.escribirKtotal(QString());
        campos.escribirTextboxKtotal(QString());
        campos.escribirKtotalTuberia(QString());
        return QString();
    }
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
