#include "report_line.h"

#include "fields/numbers.h"
#include "line/line.h"
#include "line/line_fields.h"
#include "line/line_input.h"
#include "line/line_values.h"

namespace vorlo::informe {

namespace {

namespace l = linea;

// Points of the system curve the note lists, from 0 to 1,5 Q.
constexpr int kPuntosNota = 6;

QString n(double x) {
    return formatoSignificativo(x, 5).value_or(QString());
}

QString t(Lengua lengua, const char *es, const char *en) {
    return QString::fromUtf8(lengua == Lengua::Espanol ? es : en);
}

Fila filaDe(const Campo &c, const QString &valor, bool calculado, Lengua lengua) {
    return {c.nombre.isEmpty() ? c.clave : c.nombre,
            c.rotuloNota().en(lengua),
            valor,
            c.unidad,
            calculado,
            c.tiene(EsTexto)};
}

// The sections of the field table: the inputs as typed, the results as the window writes them.
void seccionesDeTabla(Anexo &a, const caso::Ventana &parte, const l::Resultado &r, Lengua lg) {
    for (const SeccionCampos &sc : l::tabla().secciones()) {
        Seccion s{sc.titulo.en(lg), {}};
        for (const Campo &c : sc.campos) {
            if (c.tiene(Oculto) || c.rol == Rol::Nota)
                continue;
            const bool resultado = c.rol == Rol::Resultado;
            const auto x = resultado ? l::valorResultado(c.nombre, r) : std::nullopt;
            const QString valor = resultado
                                      ? (x ? c.formato.aplicar(*x).value_or(QString()) : QString())
                                      : parte.textos.value(c.nombre).trimmed();
            if (!valor.isEmpty())
                s.filas.append(filaDe(c, valor, resultado, lg));
        }
        if (!s.filas.isEmpty())
            a.secciones.append(s);
    }
}

// One table a segment: its inputs and results, each column a row.
void seccionesTramos(Anexo &a, const l::Datos &d, const l::Resultado &r, Lengua lg) {
    const QList<Campo> &columnas = l::columnasTramo();
    for (qsizetype i = 0; i < r.tramos.size(); ++i) {
        Seccion s{t(lg, "Tramo %1", "Segment %1").arg(i + 1), {}};
        for (int j = 0; j < columnas.size(); ++j) {
            const Campo &c = columnas[j];
            const double x = l::valorColumna(j, d.tramos[i], r.tramos[i]).value_or(0);
            const QString valor = j < l::kColumnasEntrada
                                      ? formatoPlano(x).value_or(QString())
                                      : c.formato.aplicar(x).value_or(QString());
            s.filas.append(filaDe(c, valor, j >= l::kColumnasEntrada, lg));
        }
        a.secciones.append(s);
    }
}

void seccionCurva(Anexo &a, const l::Datos &d, const l::Resultado &r, Lengua lg) {
    const QList<l::PuntoCurva> curva = l::curvaSistema(d, kPuntosNota);
    if (curva.isEmpty())
        return;
    Seccion s{l::tituloCurvas().en(lg), {}};
    for (const l::PuntoCurva &p : curva)
        s.filas.append({QString(), QStringLiteral("Q = %1 m3/h").arg(n(p.q)), n(p.h),
                        QStringLiteral("m"), true, false});
    if (r.bomba && r.bomba->operacion)
        s.filas.append(
            {QString(), l::rotuloPuntoOperacion().en(lg),
             QStringLiteral("%1 m3/h, %2").arg(n(r.bomba->operacion->q), n(r.bomba->operacion->h)),
             QStringLiteral("m"), true, false});
    a.secciones.append(s);
}

// The chart the window draws: the system curve, the pump's, the design and operating points.
GraficoAnexo grafico(const l::Datos &d, const l::Resultado &r, Lengua lg) {
    constexpr int kPuntosGrafico = 60;
    GraficoAnexo g{l::tituloCurvas().en(lg), l::ejeCaudal().en(lg), l::ejeAltura().en(lg), {}};
    const auto curva = [](const QList<l::PuntoCurva> &c) {
        QList<QPointF> p;
        for (const l::PuntoCurva &x : c)
            p << QPointF(x.q, x.h);
        return p;
    };
    g.curvas.append({l::rotuloCurvaSistema().en(lg), curva(l::curvaSistema(d, kPuntosGrafico))});
    if (!d.curvaBomba.isEmpty())
        g.curvas.append({l::rotuloCurvaBomba().en(lg), curva(d.curvaBomba)});
    g.curvas.append({l::rotuloPuntoDiseno().en(lg), {QPointF(r.q, r.bomba->tdh)}, true});
    if (r.bomba->operacion)
        g.curvas.append({l::rotuloPuntoOperacion().en(lg),
                         {QPointF(r.bomba->operacion->q, r.bomba->operacion->h)},
                         true});
    return g;
}

// The first segment's drop step by step; the rest follow the same equations.
void pasosTramo(QList<Paso> &m, const l::Datos &d, const l::Resultado &r, int i, Lengua lg) {
    const l::Tramo &tr = d.tramos[i];
    const l::EstadoTramo &e = r.tramos[i];
    const QString nombre = t(lg, "tramo %1", "segment %1").arg(i + 1);
    m.append({t(lg, "Velocidad, ", "Velocity, ") + nombre,
              QStringLiteral("V = Q / (3600 · π · D² / 4)"),
              QStringLiteral("%1 / (3600 · π · %2² / 4)").arg(n(r.q), n(tr.dintMm / 1000)),
              n(e.velocidad) + QStringLiteral(" m/s")});
    m.append({QStringLiteral("Reynolds, ") + nombre, QStringLiteral("Re = ρ · V · D / µ"),
              QStringLiteral("%1 · %2 · %3 / %4")
                  .arg(n(d.densidad), n(e.velocidad), n(tr.dintMm / 1000), n(d.viscosidad)),
              n(e.re)});
    const bool laminar = e.re < 2000;
    m.append({t(lg, "Factor de fricción, ", "Friction factor, ") + nombre,
              laminar ? QStringLiteral("f = 64 / Re")
                      : QStringLiteral("1/√f = −2 log10(ε/(3,7 D) + 2,51/(Re √f))"),
              laminar ? QStringLiteral("64 / %1").arg(n(e.re))
                      : QStringLiteral("ε = %1 mm, D = %2 mm, Re = %3")
                            .arg(n(tr.rugosidadMm), n(tr.dintMm), n(e.re)),
              n(e.f), QString(), !laminar});
    m.append({t(lg, "Caída total, ", "Total drop, ") + nombre,
              QStringLiteral("ΔP = (f · L/D + K) · ρ V²/2 + ρ g Δz + ΔPequipo"),
              QStringLiteral("%1 + %2 + %3 + %4")
                  .arg(n(e.dpFriccion), n(e.dpAccesorios), n(e.dpEstatica), n(e.dpEquipo)),
              n(e.dpTotal) + QStringLiteral(" bar")});
}

void pasosBomba(QList<Paso> &m, const l::Datos &d, const l::Resultado &r, Lengua lg) {
    const l::Bomba &b = *r.bomba;
    const QString rhoG = QStringLiteral("(%1 · 9,80665)").arg(n(d.densidad));
    m.append({t(lg, "Presión de aspiración", "Suction pressure"),
              t(lg, "Ps = Pinicio − Σ ΔP (tramos 1…%1)", "Ps = Pstart − Σ ΔP (segments 1…%1)")
                  .arg(*d.bombaTras),
              QString(), n(b.pSuccion) + QStringLiteral(" bar a")});
    m.append({t(lg, "Presión de descarga", "Discharge pressure"),
              t(lg, "Pd = Pfin + Σ ΔP (tramos %1…)", "Pd = Pend + Σ ΔP (segments %1…)")
                  .arg(*d.bombaTras + 1),
              QString(), n(b.pDescarga) + QStringLiteral(" bar a")});
    m.append({QStringLiteral("TDH"), QStringLiteral("H = (Pd − Ps) · 10⁵ / (ρ g)"),
              QStringLiteral("(%1 − %2) · 10⁵ / %3").arg(n(b.pDescarga), n(b.pSuccion), rhoG),
              n(b.tdh) + QStringLiteral(" m")});
    if (b.npsha)
        m.append({t(lg, "NPSH disponible", "NPSH available"),
                  QStringLiteral("NPSHd = (Ps − Psat) · 10⁵ / (ρ g)"),
                  QStringLiteral("(%1 − %2) · 10⁵ / %3").arg(n(b.pSuccion), n(*d.psat), rhoG),
                  n(*b.npsha) + QStringLiteral(" m"),
                  t(lg, "la fuente en reposo: la altura de velocidad ya está en Ps",
                    "the source at rest: the velocity head is already inside Ps")});
    m.append({t(lg, "Potencia hidráulica", "Hydraulic power"),
              QStringLiteral("P = Q/3600 · ΔP · 10⁵ / 1000"),
              QStringLiteral("%1/3600 · %2 · 10⁵ / 1000").arg(n(r.q), n(b.dp)),
              n(b.potenciaHidraulica) + QStringLiteral(" kW")});
    if (b.potenciaEje)
        m.append({t(lg, "Potencia al eje", "Shaft power"), QStringLiteral("Peje = P / η"),
                  QStringLiteral("%1 / %2").arg(n(b.potenciaHidraulica), n(*d.eficiencia)),
                  n(*b.potenciaEje) + QStringLiteral(" kW")});
}

} // namespace

std::optional<Anexo> anexoLinea(const caso::Ventana &parte, Lengua lg) {
    const l::LectorTextos lector = [&parte](const QString &c) { return parte.textos.value(c); };
    if (l::sinDatos(lector))
        return std::nullopt;
    Anexo a{l::tabla().titulo().en(lg), {}, {}};
    const auto datos = l::leerDatos(lector);
    if (const auto *m = std::get_if<TextoBilingue>(&datos)) {
        a.caso << m->en(lg);
        seccionesDeTabla(a, parte, l::Resultado{.motivo = l::Motivo::SinTramos}, lg);
        return a;
    }
    const l::Datos &d = std::get<l::Datos>(datos);
    const l::Resultado r = l::calcular(d);
    a.caso << (d.bombaTras ? l::rotuloCurvaBomba().en(lg) + QStringLiteral(": ") +
                                 l::bombaTrasTramo().en(lg).arg(*d.bombaTras)
                           : l::sinBomba().en(lg));
    if (!r.valido())
        a.caso << l::mensaje(r.motivo, r.tramoFallido).en(lg);
    for (const l::Aviso &av : l::avisos(d, r))
        a.caso << av.texto.en(lg);
    seccionesDeTabla(a, parte, r, lg);
    if (!r.valido())
        return a;
    seccionesTramos(a, d, r, lg);
    seccionCurva(a, d, r, lg);
    if (r.bomba)
        a.grafico = grafico(d, r, lg);
    for (int i = 0; i < int(r.tramos.size()); ++i)
        pasosTramo(a.metodo, d, r, i, lg);
    if (r.bomba)
        pasosBomba(a.metodo, d, r, lg);
    return a;
}

} // namespace vorlo::informe
