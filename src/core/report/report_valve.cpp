#include "report_valve.h"

#include "fields/numbers.h"
#include "valve/valve.h"
#include "valve/valve_fields.h"

#include <cmath>

namespace vorlo::informe {

namespace {

namespace v = valvula;

QString n(double x) {
    return formatoSignificativo(x, 5).value_or(QString());
}

QString t(Lengua l, const char *es, const char *en) {
    return QString::fromUtf8(l == Lengua::Espanol ? es : en);
}

Fila filaDe(const Campo &c, const QString &valor, bool calculado, Lengua l) {
    return {c.nombre, c.rotuloNota().en(l), valor, c.unidad, calculado, c.tiene(EsTexto)};
}

// The steps a liquid takes: FF, the choked drop, Kv.
void pasosLiquido(QList<Paso> &m, const v::DatosValvula &d, const v::ResultadoValvula &r,
                  Lengua l) {
    const double p1 = d.p1 * 100, p2 = d.p2 * 100, pv = d.pv * 100, pc = d.pc * 100;
    const double fp = r.fp.value_or(1), flp = r.flp.value_or(d.fl);
    m.append(
        {t(l, "Factor de presión crítica del líquido", "Liquid critical pressure ratio factor"),
         QStringLiteral("FF = 0,96 − 0,28·√(Pv/Pc)"),
         QStringLiteral("0,96 − 0,28·√(%1/%2)").arg(n(pv), n(pc)), n(*r.ff)});
    m.append({t(l, "Presión diferencial de bloqueo", "Choked pressure differential"),
              QStringLiteral("ΔPch = (FLP/FP)²·(P1 − FF·Pv)"),
              QStringLiteral("(%1/%2)²·(%3 − %4·%5)").arg(n(flp), n(fp), n(p1), n(*r.ff), n(pv)),
              n(r.limite * 100) + QStringLiteral(" kPa"),
              r.bloqueado ? t(l, "ΔP ≥ ΔPch: bloqueado, se dimensiona con ΔPch",
                              "ΔP ≥ ΔPch: choked, sized with ΔPch")
                          : t(l, "ΔP < ΔPch: no bloqueado", "ΔP < ΔPch: not choked")});
    const double dp = r.bloqueado ? r.limite * 100 : p1 - p2;
    m.append(
        {t(l, "Coeficiente de caudal", "Flow coefficient"),
         QStringLiteral("Kv = Q/(N1·FP)·√((ρ1/ρ0)/ΔP)"),
         QStringLiteral("%1/(0,1·%2)·√((%3/999,1)/%4)").arg(n(d.q), n(fp), n(d.densidad), n(dp)),
         n(d.q / (v::kN1 * fp) * std::sqrt(d.densidad / v::kRho0 / dp)) + QStringLiteral(" m3/h")});
}

// The steps a gas takes: Fγ, x, the choked ratio, Y, Kv.
void pasosGas(QList<Paso> &m, const v::DatosValvula &d, const v::ResultadoValvula &r, Lengua l) {
    const double p1 = d.p1 * 100, t1 = d.t + 273.15;
    const double x = (d.p1 - d.p2) / d.p1, fg = d.gamma / 1.4;
    const double xs = std::min(x, r.limite), fp = r.fp.value_or(1);
    const double y = 1 - xs / (3 * r.limite);
    m.append({t(l, "Factor de calores específicos", "Specific heat ratio factor"),
              QStringLiteral("Fγ = γ/1,40"), QStringLiteral("%1/1,40").arg(n(d.gamma)), n(fg)});
    m.append({t(l, "Relación de caída de presión", "Pressure drop ratio"),
              QStringLiteral("x = (P1 − P2)/P1"),
              QStringLiteral("(%1 − %2)/%1").arg(n(d.p1), n(d.p2)), n(x)});
    m.append(
        {t(l, "Relación de bloqueo", "Choked pressure drop ratio"), QStringLiteral("xch = Fγ·xTP"),
         QStringLiteral("%1·%2").arg(n(fg), n(r.xtp.value_or(d.xt))), n(r.limite),
         r.bloqueado
             ? t(l, "x ≥ xch: bloqueado, se dimensiona con xch", "x ≥ xch: choked, sized with xch")
             : t(l, "x < xch: no bloqueado", "x < xch: not choked")});
    m.append({t(l, "Factor de expansión", "Expansion factor"), QStringLiteral("Y = 1 − x/(3·xch)"),
              QStringLiteral("1 − %1/(3·%2)").arg(n(xs), n(r.limite)), n(y)});
    m.append({t(l, "Coeficiente de caudal", "Flow coefficient"),
              QStringLiteral("Kv = Qn/(N9·FP·P1·Y)·√(M·T1·Z/x)"),
              QStringLiteral("%1/(24,6·%2·%3·%4)·√(%5·%6·%7/%8)")
                  .arg(n(d.q), n(fp), n(p1), n(y), n(d.m), n(t1), n(d.z), n(xs)),
              n(d.q / (v::kN9 * fp * p1 * y) * std::sqrt(d.m * t1 * d.z / xs)) +
                  QStringLiteral(" m3/h")});
}

void pasosFinales(QList<Paso> &m, const v::DatosValvula &d, const v::ResultadoValvula &r,
                  Lengua l) {
    if (r.fp) {
        const double dv = *d.d;
        const double b1 = std::pow(dv / d.d1.value_or(dv), 2),
                     b2 = std::pow(dv / d.d2.value_or(dv), 2);
        const double suma =
            0.5 * (1 - b1) * (1 - b1) + (1 - b2) * (1 - b2) + (1 - b1 * b1) - (1 - b2 * b2);
        m.prepend({t(l, "Factor de geometría de la tubería", "Piping geometry factor"),
                   QStringLiteral("FP = 1/√(1 + Σζ/N2·(Kv/d²)²)"),
                   QStringLiteral("1/√(1 + %1/0,0016·(%2/%3²)²)").arg(n(suma), n(r.kv), n(dv)),
                   n(*r.fp),
                   t(l,
                     "Σζ = ζ1 + ζ2 + ζB1 − ζB2 (D1 = %1 mm, D2 = %2 mm); Kv recalculado hasta "
                     "que se asienta",
                     "Σζ = ζ1 + ζ2 + ζB1 − ζB2 (D1 = %1 mm, D2 = %2 mm); Kv recomputed until it "
                     "settles")
                       .arg(n(d.d1.value_or(dv)), n(d.d2.value_or(dv)))});
    }
    if (r.rev)
        m.append({t(l, "Reynolds de la válvula", "Valve Reynolds number"),
                  QStringLiteral("Rev = N4·Fd·Q/(ν·√(Kv·FL))·(FL²·Kv²/(N2·d⁴) + 1)^¼"), QString(),
                  n(*r.rev), v::textoRegimen(r.regimen).en(l)});
    if (r.fr)
        m.append(
            {t(l, "Factor de Reynolds", "Reynolds number factor"),
             QStringLiteral("FR = min(1 + 0,33·√FL/n^¼·log(Rev/10 000); 0,026/FL·√(n·Rev); 1)"),
             QString(), n(*r.fr),
             t(l, "Kv = Kv(sin FR)/FR, resuelto con FR y Rev a ese Kv",
               "Kv = Kv(without FR)/FR, solved with FR and Rev at that Kv")});
    m.append({t(l, "Coeficiente en unidades US", "US coefficient"),
              QStringLiteral("Cv = 1,156099·Kv"), QStringLiteral("1,156099·%1").arg(n(r.kv)),
              n(r.cv) + QStringLiteral(" US gpm")});
}

// A choice shows its caption, not its key.
QString textoMostrado(const Campo &f, const QString &valor, Lengua l) {
    for (const Eleccion &e : f.elecciones)
        if (e.clave == valor)
            return e.texto.en(l);
    return valor;
}

// The table's sections with the inputs of the fluid and every result that has a text.
QList<Seccion> seccionesValvula(const CamposTexto &c, const QStringList &entradas, Lengua l) {
    QList<Seccion> secciones;
    for (const SeccionCampos &sc : v::camposValvula().secciones()) {
        Seccion sec{sc.titulo.en(l), {}};
        for (const Campo &f : sc.campos) {
            const bool entrada = f.rol == Rol::Entrada;
            if (entrada && !entradas.contains(f.nombre))
                continue;
            const QString valor = textoMostrado(f, c.texto(f.nombre), l);
            if (!valor.isEmpty())
                sec.filas.append(filaDe(f, valor, !entrada, l));
        }
        secciones.append(sec);
    }
    return secciones;
}

// The equations with the case's numbers, when the inputs size a valve.
QList<Paso> metodoValvula(const CamposTexto &c, v::Fluido fluido, Lengua l) {
    QList<Paso> metodo;
    const auto datos = v::leerDatos(c);
    const auto *d = std::get_if<v::DatosValvula>(&datos);
    if (!d)
        return metodo;
    const v::Dimensionado dim = v::dimensionar(*d);
    const auto *r = std::get_if<v::ResultadoValvula>(&dim);
    if (!r)
        return metodo;
    if (fluido == v::Fluido::Liquido)
        pasosLiquido(metodo, *d, *r, l);
    else
        pasosGas(metodo, *d, *r, l);
    pasosFinales(metodo, *d, *r, l);
    return metodo;
}

} // namespace

std::optional<Anexo> anexoValvula(const caso::Ventana &parte, Lengua l) {
    bool conTexto = false;
    CamposMapa c;
    for (auto it = parte.textos.cbegin(); it != parte.textos.cend(); ++it) {
        c.escribir(it.key(), it.value());
        conTexto = conTexto || (!it.value().trimmed().isEmpty() && it.key() != v::EstiloValv);
    }
    if (!conTexto)
        return std::nullopt;
    for (auto it = parte.opciones.cbegin(); it != parte.opciones.cend(); ++it)
        c.fijarOpcion(it.key(), it.value());
    v::calcularValvula(c, l);
    const v::Fluido fluido = v::fluidoDe(c);
    const TablaCampos &tabla = v::camposValvula();
    const QList<Campo> &o = tabla.opciones();
    Anexo a{tabla.titulo().en(l), {(fluido == v::Fluido::Gas ? o[1] : o[0]).rotulo.en(l)}, {}};
    a.secciones = seccionesValvula(c, v::entradasDe(fluido), l);
    a.metodo = metodoValvula(c, fluido, l);
    return a;
}

} // namespace vorlo::informe
