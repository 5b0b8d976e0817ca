#include "valve.h"

#include "valve_fields.h"

#include <algorithm>
#include <cmath>

namespace vorlo::valvula {

namespace {

constexpr double kR = 8.314462618;   // J/(mol·K)
constexpr double kPNormal = 101.325; // kPa
constexpr double kTNormal = 273.15;  // K
constexpr double kKelvin = 273.15;
constexpr double kKPaPorBar = 100.0;
// The fixed-point passes settle linearly; a ratio close to one (a valve barely able to pass
// the flow through its reducers) needs many, and past this bound it is called unsettled.
constexpr int kPasadasMaximas = 500;
constexpr double kTolerancia = 1e-12;

TextoBilingue texto(const char *es, const char *en) {
    return {QString::fromUtf8(es), QString::fromUtf8(en)};
}

ErrorValvula fallo(const char *es, const char *en, const QString &campo = {}) {
    return {texto(es, en), campo};
}

bool finito(double x) {
    return std::isfinite(x);
}
bool positivo(double x) {
    return finito(x) && x > 0;
}
// FL, Fd and xT are fractions of their ideal: (0, 1].
bool fraccion(double x) {
    return positivo(x) && x <= 1;
}

std::optional<ErrorValvula> comprobarComunes(const DatosValvula &d) {
    if (!positivo(d.q))
        return fallo("El caudal debe ser mayor que cero.", "The flow must be above zero.", QValv);
    if (!positivo(d.p1))
        return fallo("La presión de entrada P1 debe ser mayor que 0 bar a.",
                     "The inlet pressure P1 must be above 0 bar a.", P1Valv);
    if (!positivo(d.p2))
        return fallo("La presión de salida P2 debe ser mayor que 0 bar a.",
                     "The outlet pressure P2 must be above 0 bar a.", P2Valv);
    if (d.p2 >= d.p1)
        return fallo("La presión de salida P2 debe ser menor que la de entrada P1.",
                     "The outlet pressure P2 must be below the inlet pressure P1.", P2Valv);
    if (d.viscosidad && !positivo(*d.viscosidad))
        return fallo("La viscosidad debe ser mayor que cero.", "The viscosity must be above zero.",
                     ViscValv);
    return std::nullopt;
}

std::optional<ErrorValvula> comprobarLiquido(const DatosValvula &d) {
    if (!positivo(d.densidad))
        return fallo("La densidad debe ser mayor que cero.", "The density must be above zero.",
                     DensidadValv);
    if (!finito(d.pv) || d.pv < 0)
        return fallo("La presión de vapor no puede ser negativa.",
                     "The vapour pressure cannot be negative.", PsatValv);
    if (d.pv >= d.p1)
        return fallo(
            "La presión de vapor debe ser menor que P1: el líquido ya hierve a la entrada.",
            "The vapour pressure must be below P1: the liquid already boils at the inlet.",
            PsatValv);
    if (!positivo(d.pc) || d.pc <= d.pv)
        return fallo("La presión crítica debe ser mayor que la presión de vapor.",
                     "The critical pressure must be above the vapour pressure.", PcValv);
    return std::nullopt;
}

std::optional<ErrorValvula> comprobarGas(const DatosValvula &d) {
    if (!finito(d.t) || d.t <= -kKelvin)
        return fallo("La temperatura debe estar por encima de −273,15 ºC.",
                     "The temperature must be above −273.15 ºC.", TValv);
    if (!positivo(d.m))
        return fallo("La masa molar debe ser mayor que cero.", "The molar mass must be above zero.",
                     MValv);
    if (!positivo(d.gamma))
        return fallo("La relación de calores específicos debe ser mayor que cero.",
                     "The ratio of specific heats must be above zero.", GammaValv);
    if (!positivo(d.z))
        return fallo("El factor de compresibilidad debe ser mayor que cero.",
                     "The compressibility factor must be above zero.", ZValv);
    return std::nullopt;
}

std::optional<ErrorValvula> comprobarValvula(const DatosValvula &d) {
    if (!fraccion(d.fl))
        return fallo("FL debe estar entre 0 (excluido) y 1.", "FL must be above 0 and at most 1.",
                     FLValv);
    if (!fraccion(d.fd))
        return fallo("Fd debe estar entre 0 (excluido) y 1.", "Fd must be above 0 and at most 1.",
                     FdValv);
    if (d.fluido == Fluido::Gas && !fraccion(d.xt))
        return fallo("xT debe estar entre 0 (excluido) y 1.", "xT must be above 0 and at most 1.",
                     xTValv);
    if (d.d && !positivo(*d.d))
        return fallo("El tamaño de la válvula debe ser mayor que cero.",
                     "The valve size must be above zero.", DValv);
    const std::pair<const std::optional<double> *, QString> tubos[] = {{&d.d1, D1Valv},
                                                                       {&d.d2, D2Valv}};
    for (const auto &[tubo, campo] : tubos) {
        if (!*tubo)
            continue;
        if (!d.d)
            return fallo("Los diámetros de tubería necesitan el tamaño de la válvula.",
                         "The pipe diameters need the valve size.", DValv);
        if (!positivo(**tubo))
            return fallo("El diámetro de la tubería debe ser mayor que cero.",
                         "The pipe diameter must be above zero.", campo);
        if (**tubo < *d.d)
            return fallo("La válvula no puede ser mayor que su tubería.",
                         "The valve cannot be larger than its pipe.", campo);
    }
    if (d.kvNominal && !positivo(*d.kvNominal))
        return fallo("El Kv nominal debe ser mayor que cero.", "The rated Kv must be above zero.",
                     KvNominalValv);
    return std::nullopt;
}

std::optional<ErrorValvula> comprobar(const DatosValvula &d) {
    if (auto e = comprobarComunes(d))
        return e;
    if (auto e = d.fluido == Fluido::Liquido ? comprobarLiquido(d) : comprobarGas(d))
        return e;
    return comprobarValvula(d);
}

// The case in the standard's units (kPa, K), with what the equations read more than once.
struct Caso {
    bool liquido = true;
    double q = 0;  // actual m3/h, for the Reynolds number
    double qs = 0; // the flow the sizing equation takes (liquid: actual; gas: normal)
    double p1 = 0, p2 = 0, dp = 0; // kPa
    // Liquid
    double rhoRel = 0, pv = 0, ff = 0;
    // Gas
    double fg = 0, x = 0, mtz = 0, mt = 0;
    double fl = 0, xt = 0, fd = 0;
    std::optional<double> nu; // m2/s
    std::optional<double> d;  // mm
    std::optional<double> kvNominal;
    // Reducers: Σζ of all fittings and Σζ1 of the inlet one, by eqs. (16) to (19).
    bool reductores = false;
    double sumaZeta = 0, zetaEntrada = 0;
};

void ponerReductores(Caso &c, const DatosValvula &d) {
    if (!d.d)
        return;
    const double dv = *d.d;
    const double d1 = d.d1.value_or(dv);
    const double d2 = d.d2.value_or(dv);
    c.reductores = d1 != dv || d2 != dv;
    const double r1 = (dv / d1) * (dv / d1);
    const double r2 = (dv / d2) * (dv / d2);
    const double zeta1 = 0.5 * (1 - r1) * (1 - r1);
    const double zeta2 = (1 - r2) * (1 - r2);
    const double zetaB1 = 1 - r1 * r1;
    const double zetaB2 = 1 - r2 * r2;
    c.zetaEntrada = zeta1 + zetaB1;
    c.sumaZeta = zeta1 + zeta2 + zetaB1 - zetaB2;
}

Caso preparar(const DatosValvula &d) {
    Caso c;
    c.liquido = d.fluido == Fluido::Liquido;
    c.p1 = d.p1 * kKPaPorBar;
    c.p2 = d.p2 * kKPaPorBar;
    c.dp = c.p1 - c.p2;
    c.fl = d.fl;
    c.xt = d.xt;
    c.fd = d.fd;
    c.d = d.d;
    c.kvNominal = d.kvNominal;
    if (c.liquido) {
        c.q = c.qs = d.q;
        c.rhoRel = d.densidad / kRho0;
        c.pv = d.pv * kKPaPorBar;
        c.ff = 0.96 - 0.28 * std::sqrt(d.pv / d.pc);
        if (d.viscosidad)
            c.nu = *d.viscosidad / d.densidad;
    } else {
        const double t1 = d.t + kKelvin;
        c.qs = d.q;
        c.fg = d.gamma / 1.40;
        c.x = c.dp / c.p1;
        c.mtz = d.m * t1 * d.z;
        c.mt = d.m * t1;
        // Normal and inlet densities (kg/m3) turn the normal flow into the actual one.
        const double rhoN = kPNormal * d.m / (kR * kTNormal);
        const double rho1 = c.p1 * d.m / (d.z * kR * t1);
        c.q = d.q * rhoN / rho1;
        if (d.viscosidad)
            c.nu = *d.viscosidad / rho1;
    }
    ponerReductores(c, d);
    return c;
}

// The piping factors at a flow coefficient, eqs. (15), (21) and (22); nullopt where (15) has
// no real value (an outlet expander large enough to make its radicand negative).
struct Tuberia {
    double fp = 1, flp = 0, xtp = 0;
};

std::optional<Tuberia> tuberia(const Caso &c, double kv) {
    Tuberia t{1.0, c.fl, c.xt};
    if (!c.reductores)
        return t;
    const double r = kv / (*c.d * *c.d);
    const double radicando = 1 + c.sumaZeta / kN2 * r * r;
    if (!(radicando > 0))
        return std::nullopt;
    t.fp = 1 / std::sqrt(radicando);
    t.flp = c.fl / std::sqrt(1 + c.fl * c.fl / kN2 * c.zetaEntrada * r * r);
    t.xtp = (c.xt / (t.fp * t.fp)) / (1 + c.xt * c.zetaEntrada / kN5 * r * r);
    return t;
}

struct Turbulento {
    double kv = 0;
    bool bloqueado = false;
    double limite = 0; // kPa (liquid) or the ratio (gas)
    double y = 1;
    Tuberia tub;
};

// Eq. (1) with (2) and (3) for a liquid, eq. (7) with (8), (10) and (12) for a gas.
Turbulento turbulento(const Caso &c, const Tuberia &t) {
    Turbulento r;
    r.tub = t;
    if (c.liquido) {
        const double ratio = t.flp / t.fp;
        r.limite = ratio * ratio * (c.p1 - c.ff * c.pv);
        r.bloqueado = c.dp >= r.limite;
        const double dpSizing = std::min(c.dp, r.limite);
        r.kv = c.qs / (kN1 * t.fp) * std::sqrt(c.rhoRel / dpSizing);
    } else {
        r.limite = c.fg * t.xtp;
        r.bloqueado = c.x >= r.limite;
        const double xSizing = std::min(c.x, r.limite);
        r.y = 1 - xSizing / (3 * r.limite);
        r.kv = c.qs / (kN9 * t.fp * c.p1 * r.y) * std::sqrt(c.mtz / xSizing);
    }
    return r;
}

// The turbulent Kv; with reducers the factors are recomputed from the last Kv until it settles.
std::variant<Turbulento, ErrorValvula> resolverTurbulento(const Caso &c, int &pasadas) {
    Turbulento r = turbulento(c, Tuberia{1.0, c.fl, c.xt});
    if (!c.reductores)
        return r;
    for (pasadas = 1; pasadas <= kPasadasMaximas; ++pasadas) {
        const std::optional<Tuberia> t = tuberia(c, r.kv);
        if (!t)
            break;
        const Turbulento nuevo = turbulento(c, *t);
        if (!positivo(nuevo.kv))
            break;
        const bool asentado = std::abs(nuevo.kv - r.kv) <= kTolerancia * nuevo.kv;
        r = nuevo;
        if (asentado)
            return r;
    }
    return fallo("Con estos reductores ningún Kv de esta válvula pasa el caudal: elija una "
                 "válvula mayor.",
                 "With these reducers no Kv of this valve passes the flow: choose a larger valve.",
                 DValv);
}

// Eq. (23): the valve Reynolds number at a flow coefficient.
double reynolds(const Caso &c, double kv) {
    const double d = *c.d;
    const double termino = c.fl * c.fl * kv * kv / (kN2 * d * d * d * d) + 1;
    return kN4 * c.fd * c.q / (*c.nu * std::sqrt(kv * c.fl)) * std::sqrt(std::sqrt(termino));
}

// Eqs. (A.6) to (A.8): the Reynolds number factor; full trim when the rated Kv (the Kv itself
// when none is given) reaches 0,016·N18·d².
double factorReynolds(const Caso &c, double kv, double rev) {
    const double d2 = *c.d * *c.d;
    const double rated = c.kvNominal.value_or(kv);
    const double n = rated / (d2 * kN18) >= 0.016 ? kN2 / ((kv / d2) * (kv / d2))
                                                  : 1 + kN32 * std::cbrt((kv / d2) * (kv / d2));
    const double laminar = std::min(0.026 / c.fl * std::sqrt(n * rev), 1.0);
    if (rev < 10)
        return laminar;
    const double transicion =
        1 + 0.33 * std::sqrt(c.fl) / std::sqrt(std::sqrt(n)) * std::log10(rev / kReTurbulento);
    return std::min(transicion, laminar);
}

// Eq. (A.5): the expansion factor of a gas in non-turbulent flow.
double yViscoso(const Caso &c, double rev, double yTurbulento) {
    const double yLaminar = std::sqrt(1 - c.x / 2);
    if (rev < 1000)
        return yLaminar;
    return (rev - 1000) / 9000 * (yTurbulento - yLaminar) + yLaminar;
}

struct Viscoso {
    double kv = 0, fr = 1, rev = 0, y = 1;
};

// Eq. (A.2) for a liquid, (A.4) for a gas, with the actual drop: Kv·FR·Y is a fixed quantity,
// and Kv is raised from it until FR, Y and Rev at that Kv agree.
std::optional<Viscoso> resolverViscoso(const Caso &c, double yTurbulento, int &pasadas) {
    const double base = c.liquido ? c.qs / kN1 * std::sqrt(c.rhoRel / c.dp)
                                  : c.qs / (kN22 * std::sqrt(c.dp * (c.p1 + c.p2) / c.mt));
    Viscoso v{base, 1, 0, 1};
    for (pasadas = 1; pasadas <= kPasadasMaximas; ++pasadas) {
        v.rev = reynolds(c, v.kv);
        v.fr = factorReynolds(c, v.kv, v.rev);
        v.y = c.liquido ? 1.0 : yViscoso(c, v.rev, yTurbulento);
        const double nuevo = base / (v.fr * v.y);
        if (!positivo(nuevo))
            return std::nullopt;
        const bool asentado = std::abs(nuevo - v.kv) <= kTolerancia * nuevo;
        v.kv = nuevo;
        if (asentado) {
            v.rev = reynolds(c, v.kv);
            return v;
        }
    }
    return std::nullopt;
}

Estado estadoLiquido(const Caso &c, const Turbulento &t) {
    if (c.p2 < c.pv)
        return Estado::Vaporizacion;
    if (t.bloqueado)
        return Estado::Bloqueado;
    // The vena contracta, at P1 − ΔP/FL², falls to the vapour pressure.
    const double ratio = t.tub.flp / t.tub.fp;
    if (c.dp >= ratio * ratio * (c.p1 - c.pv))
        return Estado::Cavitacion;
    return Estado::Normal;
}

ResultadoValvula resultadoTurbulento(const Caso &c, const Turbulento &t) {
    ResultadoValvula r;
    r.kv = t.kv;
    r.bloqueado = t.bloqueado;
    if (c.liquido) {
        r.limite = t.limite / kKPaPorBar;
        r.ff = c.ff;
        r.estado = estadoLiquido(c, t);
    } else {
        r.limite = t.limite;
        r.y = t.y;
        r.estado = t.bloqueado ? Estado::Bloqueado : Estado::Normal;
    }
    if (c.reductores) {
        r.fp = t.tub.fp;
        if (c.liquido)
            r.flp = t.tub.flp;
        else
            r.xtp = t.tub.xtp;
    }
    return r;
}

} // namespace

Dimensionado dimensionar(const DatosValvula &datos) {
    if (auto e = comprobar(datos))
        return *e;
    const Caso c = preparar(datos);
    int pasadas = 0;
    auto turb = resolverTurbulento(c, pasadas);
    if (auto *e = std::get_if<ErrorValvula>(&turb))
        return *e;
    const Turbulento &t = std::get<Turbulento>(turb);
    ResultadoValvula r = resultadoTurbulento(c, t);
    r.iteraciones = pasadas;
    if (c.d && c.nu) {
        r.rev = reynolds(c, t.kv);
        r.regimen = Regimen::Turbulento;
        if (*r.rev < kReTurbulento) {
            int viscosas = 0;
            const std::optional<Viscoso> v = resolverViscoso(c, t.y, viscosas);
            if (!v)
                return fallo("El flujo viscoso no tiene solución por la norma con esta válvula: "
                             "revise el tamaño y la viscosidad.",
                             "The viscous flow has no solution by the standard with this valve: "
                             "check the size and the viscosity.",
                             ViscValv);
            r.iteraciones += viscosas;
            r.rev = v->rev;
            r.regimen = v->rev < 10 ? Regimen::Laminar : Regimen::Transicion;
            r.fr = v->fr;
            // The larger of the two answers: near choking the turbulent one may still rule.
            if (v->kv > r.kv) {
                r.kv = v->kv;
                r.fp.reset();
                r.flp.reset();
                r.xtp.reset();
                if (!c.liquido)
                    r.y = v->y;
            }
        }
    }
    r.cv = r.kv * kCvPorKv;
    if (datos.d)
        r.alcance = r.kv / (kN18 * *datos.d * *datos.d);
    if (datos.kvNominal)
        r.apertura = r.kv / *datos.kvNominal * 100;
    if (!finito(r.kv) || !finito(r.cv) || (r.apertura && !finito(*r.apertura)))
        return fallo("El resultado no es representable con estos datos.",
                     "The result cannot be represented with these data.");
    return r;
}

TextoBilingue textoEstado(Fluido fluido, Estado estado) {
    switch (estado) {
    case Estado::Vaporizacion:
        return texto("Vaporización (flashing): P2 está por debajo de la presión de vapor",
                     "Flashing: P2 is below the vapour pressure");
    case Estado::Bloqueado:
        return fluido == Fluido::Liquido
                   ? texto("Flujo bloqueado: cavitación plena", "Choked flow: full cavitation")
                   : texto("Flujo bloqueado: flujo sónico", "Choked flow: sonic flow");
    case Estado::Cavitacion:
        return texto("Riesgo de cavitación: la vena contracta baja de la presión de vapor",
                     "Cavitation risk: the vena contracta falls below the vapour pressure");
    case Estado::Normal:
        break;
    }
    return fluido == Fluido::Liquido ? texto("Sin cavitación", "No cavitation")
                                     : texto("Flujo no bloqueado", "Flow not choked");
}

TextoBilingue textoRegimen(Regimen regimen) {
    switch (regimen) {
    case Regimen::Turbulento:
        return texto("Turbulento", "Turbulent");
    case Regimen::Transicion:
        return texto("Transición", "Transitional");
    case Regimen::Laminar:
        return texto("Laminar", "Laminar");
    case Regimen::SinComprobar:
        break;
    }
    return texto("Sin comprobar (falta el tamaño o la viscosidad)",
                 "Not checked (no size or viscosity)");
}

} // namespace vorlo::valvula
