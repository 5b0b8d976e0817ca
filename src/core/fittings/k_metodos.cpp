#include "k_metodos.h"

#include "fields/numbers.h"
#include "pipes/pipe_sizes.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlo {

namespace {

// Per catalogue row: Crane's n (K = n·fT); Hooper's K1 and K∞; Darby's K1, Ki and Kd.
struct Constantes {
    double n;
    double k1Hooper, kInfinito;
    double k1Darby, ki, kd;
};

// clang-format off
constexpr Constantes kConstantes[accesorios::kFilasTabla] = {
    // Threaded
    {30,  800,  0.40, 800,  0.14,  4.0}, // 0 elbow 90
    {14,  800,  0.20, 800,  0.071, 4.2}, // 1 long elbow 90
    {16,  500,  0.20, 500,  0.071, 4.2}, // 2 elbow 45
    {50,  1000, 0.60, 1000, 0.23,  4.0}, // 3 return bend
    {20,  200,  0.10, 200,  0.091, 4.0}, // 4 tee, line
    {60,  500,  0.70, 500,  0.274, 4.0}, // 5 tee, branch
    {340, 1500, 4.0,  1500, 1.7,   3.6}, // 6 globe valve
    {8,   300,  0.10, 300,  0.037, 3.9}, // 7 gate valve
    {150, 1000, 2.0,  1000, 0.69,  4.0}, // 8 angle valve
    {100, 1500, 1.5,  1500, 0.46,  4.0}, // 9 swing check valve
    // Flanged
    {20,  800,  0.25, 800,  0.091, 4.0}, // 10 elbow 90
    {14,  800,  0.20, 800,  0.071, 4.2}, // 11 long elbow 90
    {16,  500,  0.15, 500,  0.052, 4.0}, // 12 long elbow 45
    {50,  1000, 0.35, 1000, 0.12,  4.0}, // 13 return bend
    {22,  1000, 0.30, 1000, 0.10,  4.0}, // 14 long-radius return bend
    {20,  150,  0.05, 150,  0.05,  4.0}, // 15 tee, line
    {60,  800,  0.80, 800,  0.28,  4.0}, // 16 tee, branch
    {340, 1500, 4.0,  1500, 1.7,   3.6}, // 17 globe valve
    {8,   300,  0.10, 300,  0.037, 3.9}, // 18 gate valve
    {150, 1000, 2.0,  1000, 0.69,  4.0}, // 19 angle valve
    {100, 1500, 1.5,  1500, 0.46,  4.0}, // 20 swing check valve
};
// clang-format on

bool diametroValido(double d) {
    return std::isfinite(d) && d > 0;
}
bool reynoldsValido(std::optional<double> re) {
    return re && std::isfinite(*re) && *re > 0;
}
const Constantes *constantes(int fila) {
    return fila >= 0 && fila < accesorios::kFilasTabla ? &kConstantes[fila] : nullptr;
}
std::optional<double> finito(double k) {
    return std::isfinite(k) ? std::optional<double>(k) : std::nullopt;
}

struct PuntoCedula40 {
    double interior; // mm
    double nps;      // in
};

// The schedule 40 rows of ASME B36.10M in the pipe catalogue, by inside diameter.
const QList<PuntoCedula40> &cedula40() {
    static const QList<PuntoCedula40> puntos = [] {
        QList<PuntoCedula40> p;
        for (const TuberiaNormalizada &t : catalogoTuberias())
            if (t.norma == NormaTuberia::AsmeB3610M && t.cedula == QLatin1String("40"))
                p.append({t.interior, t.nps});
        std::sort(p.begin(), p.end(), [](const PuntoCedula40 &a, const PuntoCedula40 &b) {
            return a.interior < b.interior;
        });
        return p;
    }();
    return puntos;
}

QString mm(double d) {
    return formatoPlano(d).value_or(QString());
}
// Whole numbers with grouping from 100 on ("127.065"); three significant digits below.
QString textoReynolds(double re) {
    return (re >= 100 ? formatoFijo(re, 0) : formatoSignificativo(re, 3)).value_or(QString());
}
QString cuatroCifras(double x) {
    return formatoSignificativo(x, 4).value_or(QString());
}

MotivoSinK motivoDeBanda(double d) {
    return d < 9 ? MotivoSinK::DiametroPequeno : MotivoSinK::DiametroGrande;
}

} // namespace

QString claveMetodoK(MetodoK metodo) {
    switch (metodo) {
    case MetodoK::Crane:
        return QStringLiteral("crane");
    case MetodoK::DosK:
        return QStringLiteral("2k");
    case MetodoK::TresK:
        return QStringLiteral("3k");
    case MetodoK::Tabla:
        break;
    }
    return QStringLiteral("table");
}

std::optional<MetodoK> metodoKDeClave(const QString &clave) {
    for (MetodoK m : kMetodosK)
        if (claveMetodoK(m) == clave)
            return m;
    return std::nullopt;
}

TextoBilingue nombreMetodoK(MetodoK metodo) {
    switch (metodo) {
    case MetodoK::Tabla:
        return {QStringLiteral("Tabla"), QStringLiteral("Table")};
    case MetodoK::Crane:
        return {QStringLiteral("Crane (n·fT)"), QStringLiteral("Crane (n·fT)")};
    case MetodoK::DosK:
        return {QStringLiteral("2-K (Hooper)"), QStringLiteral("2-K (Hooper)")};
    case MetodoK::TresK:
        return {QStringLiteral("3-K (Darby)"), QStringLiteral("3-K (Darby)")};
    }
    return {};
}

TextoBilingue mensajeSinK(MotivoSinK motivo) {
    switch (motivo) {
    case MotivoSinK::DiametroNoValido:
        return {QStringLiteral("El diámetro debe ser un número mayor que 0."),
                QStringLiteral("The diameter must be a number above 0.")};
    case MotivoSinK::ReynoldsNecesario:
        return {QStringLiteral("Este método necesita un número de Reynolds mayor que 0."),
                QStringLiteral("This method needs a Reynolds number above 0.")};
    case MotivoSinK::DiametroPequeno:
        return {kMensajeDiametroPequeno,
                QStringLiteral("You have entered a very small diameter, the diameter must be "
                               "above 9 mm. The K values can still be entered by hand.")};
    case MotivoSinK::DiametroGrande:
        return {kMensajeDiametroGrande, QStringLiteral("The diameter must be 400 mm or less")};
    case MotivoSinK::FueraDeAlcance:
        return {QStringLiteral("El método no da un K finito con estos datos."),
                QStringLiteral("The method gives no finite K for these inputs.")};
    }
    return {};
}

std::optional<double> friccionCrane(double dMm) {
    if (!diametroValido(dMm))
        return std::nullopt;
    const double l = std::log10(kRugosidadCraneMm / (3.7 * dMm));
    // The fully rough law holds only for ε/D well below 1; at ε/(3,7·D) >= 1 it has no value.
    if (!(l < 0))
        return std::nullopt;
    return finito(0.25 / (l * l));
}

double nominalDarbyPulgadas(double dMm) {
    const QList<PuntoCedula40> &p = cedula40();
    if (std::isnan(dMm) || p.size() < 2)
        return std::numeric_limits<double>::quiet_NaN();
    // The segment that holds D; the first and last segments also carry D past the ends.
    qsizetype i = 0;
    while (i + 2 < p.size() && dMm > p.at(i + 1).interior)
        ++i;
    const PuntoCedula40 &a = p.at(i);
    const PuntoCedula40 &b = p.at(i + 1);
    const double t = (dMm - a.interior) / (b.interior - a.interior);
    return a.nps + t * (b.nps - a.nps);
}

std::optional<double> kCrane(int fila, double dMm) {
    const Constantes *c = constantes(fila);
    const std::optional<double> f = friccionCrane(dMm);
    if (!c || !f)
        return std::nullopt;
    return finito(c->n * *f);
}

std::optional<double> kDosK(int fila, double dMm, double reynolds) {
    const Constantes *c = constantes(fila);
    if (!c || !diametroValido(dMm) || !reynoldsValido(reynolds))
        return std::nullopt;
    const double pulgadas = dMm / kMmPorPulgada;
    return finito(c->k1Hooper / reynolds + c->kInfinito * (1 + 1 / pulgadas));
}

std::optional<double> kTresK(int fila, double dMm, double reynolds) {
    const Constantes *c = constantes(fila);
    if (!c || !diametroValido(dMm) || !reynoldsValido(reynolds))
        return std::nullopt;
    const double dn = nominalDarbyPulgadas(dMm);
    if (!(dn > 0))
        return std::nullopt;
    return finito(c->k1Darby / reynolds + c->ki * (1 + c->kd / std::pow(dn, 0.3)));
}

KsPorMetodo kPorMetodo(MetodoK metodo, double dMm, std::optional<double> reynolds) {
    KsPorMetodo r;
    if (!diametroValido(dMm)) {
        r.motivo = MotivoSinK::DiametroNoValido;
        return r;
    }
    if (necesitaReynolds(metodo) && !reynoldsValido(reynolds)) {
        r.motivo = MotivoSinK::ReynoldsNecesario;
        return r;
    }
    if (metodo == MetodoK::Tabla) {
        r.nominal = seleccionarDiametro(dMm).nominal;
        if (!r.nominal)
            r.motivo = motivoDeBanda(dMm);
        for (int f = 0; r.nominal && f < accesorios::kFilasTabla; ++f)
            if (const double k = TablaK(*r.nominal, f); k != 0)
                r.k[f] = k;
        return r;
    }
    const double re = reynolds.value_or(0);
    for (int f = 0; f < accesorios::kFilasTabla; ++f) {
        if (metodo == MetodoK::Crane)
            r.k[f] = kCrane(f, dMm);
        else
            r.k[f] = metodo == MetodoK::DosK ? kDosK(f, dMm, re) : kTresK(f, dMm, re);
        if (!r.k[f])
            r.motivo = MotivoSinK::FueraDeAlcance;
    }
    return r;
}

QString descripcionMetodoK(MetodoK metodo, double dMm, std::optional<double> reynolds,
                           Lengua lengua) {
    // The label says why whenever a row has no K through the input.
    const KsPorMetodo r = kPorMetodo(metodo, dMm, reynolds);
    if (r.motivo)
        return mensajeSinK(*r.motivo).en(lengua);
    switch (metodo) {
    case MetodoK::Tabla: {
        const TextoBilingue t = {QStringLiteral("K de la tabla, DN %1 (D = %2 mm)"),
                                 QStringLiteral("K from the table, DN %1 (D = %2 mm)")};
        return t.en(lengua).arg(milimetros(r.nominal.value_or(DiametroNominal{}))).arg(mm(dMm));
    }
    case MetodoK::Crane:
        return QStringLiteral("K = n·fT, fT = %1 (D = %2 mm)")
            .arg(formatoSignificativo(friccionCrane(dMm).value_or(0), 3).value_or(QString()),
                 mm(dMm));
    case MetodoK::DosK:
        return QStringLiteral("K = K1/Re + K∞·(1 + 1/D), Re = %1, D = %2 in")
            .arg(textoReynolds(*reynolds), cuatroCifras(dMm / kMmPorPulgada));
    case MetodoK::TresK:
        return QStringLiteral("K = K1/Re + Ki·(1 + Kd/Dn^0,3), Re = %1, Dn = %2 in (D = %3 mm)")
            .arg(textoReynolds(*reynolds), cuatroCifras(nominalDarbyPulgadas(dMm)), mm(dMm));
    }
    return {};
}

} // namespace vorlo
