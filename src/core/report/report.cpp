#include "report.h"

#include "fields/language.h"
#include "fields/numbers.h"
#include "fittings/k_factors.h"
#include "gas/gas_state.h"
#include "pipeflow/pipe_flow.h"

#include <cmath>

namespace vorlo::informe {

namespace {

const QString kVerdadero = QStringLiteral("True");
const QString kFalso = QStringLiteral("False");

// The friction notes the pipe window shows in red: the transition zone, where the friction
// factor is indeterminate.
const QStringList kNotasTransicion = {
    QStringLiteral("Zona de Transición. Factor de Fricción indeterminado. Se considerará flujo "
                   "turbulento (caso más desfavorable)"),
    QStringLiteral("Transition Zone. Friction factor is indeterminate. Turbulent flow will be "
                   "considered")};

const QStringList kCalculablesTuberia = {tuberia::Vproceso,
                                         tuberia::Re,
                                         tuberia::laminarturbulento,
                                         tuberia::ffinal,
                                         tuberia::Labelffriccion,
                                         fexacta,
                                         Labelfexacta,
                                         tuberia::DP,
                                         tuberia::DPbar,
                                         tuberia::DPtotalm,
                                         tuberia::DPbarTotal,
                                         tuberia::PerdidaAccesorios,
                                         tuberia::PcargaTuberiaYaccesorios};

// The exact root, its note and the pipe designation: listed only when their text is present.
const QStringList kOpcionalesTuberia = {fexacta, Labelfexacta, LabelTuberia};

Informe base(Ventana v, const QString &idioma, const QDateTime &fecha, const QString &titulo) {
    Informe inf;
    inf.ventana = v;
    inf.idioma = idiomaInforme(idioma);
    inf.titulo = titulo;
    inf.fecha = fecha;
    inf.programa = QStringLiteral("Vorlo");
    inf.version = versionPrograma();
    return inf;
}

const QStringList kNotasTuberia = {tuberia::laminarturbulento, tuberia::Labelffriccion,
                                   Labelfexacta, LabelTuberia};

Fila fila(const RotuloCampo &r, const QString &valor, bool calculado, bool espanol) {
    return Fila{r.campo,   espanol ? r.espanol : r.ingles, valor, r.unidad,
                calculado, kNotasTuberia.contains(r.campo)};
}

void anadirOpciones(Informe &inf, const CamposTexto &c) {
    for (const RotuloCampo &r : opciones(inf.ventana))
        inf.opciones.append(fila(r, c.opcion(r.campo) ? kVerdadero : kFalso, false, inf.espanol()));
}

// The caption of the selected option of a pair, or "not selected".
QString elegida(const Informe &inf, const CamposTexto &c, int primera) {
    const QList<RotuloCampo> &o = opciones(inf.ventana);
    for (int i = primera; i < primera + 2; ++i)
        if (c.opcion(o[i].campo))
            return inf.espanol() ? o[i].espanol : o[i].ingles;
    return inf.palabra(palabras::SinSeleccionar);
}

std::optional<ListaAccesorios> listaAccesorios(const DatosAccesorios &d, const QString &ktotal) {
    // Counts of another diameter (the pipe's K total was emptied since) describe nothing shown.
    if (d.ktotal != ktotal)
        return std::nullopt;
    ListaAccesorios l;
    l.diametro = d.diametro;
    l.ktotal = d.ktotal;
    if (const auto mm = leerNumero(d.diametro))
        if (const auto dn = seleccionarDiametro(*mm).nominal)
            l.nominal = QStringLiteral("DN %1").arg(milimetros(*dn));
    for (int i = 0; i < d.filas.size(); ++i) {
        const DatosAccesorios::FilaVentana &f = d.filas[i];
        const auto n = leerNumero(f.unidades);
        if (!n || *n <= 0)
            continue;
        ListaAccesorios::Linea linea{i, f.titulo, f.unidades, f.k, QString()};
        if (const auto k = leerNumero(f.k))
            linea.producto = formatoPlano(*n * *k).value_or(QString());
        l.lineas.append(linea);
    }
    if (l.lineas.isEmpty())
        return std::nullopt;
    return l;
}

// After a double click on DPbar the two per-metre fields hold the drop over the whole length,
// DP in Pa and DPbar in bar (a ratio of 100000), until the next pass writes the per-metre
// values (a ratio of 100) again.
bool tramoCompleto(const CamposTexto &c) {
    const auto dp = c.valor(tuberia::DP);
    const auto dpbar = c.valor(tuberia::DPbar);
    return dp && dpbar && *dp > 0 && *dpbar > 0 && std::abs(*dp / *dpbar / 1e5 - 1) < 1e-6;
}

} // namespace

QString versionPrograma() {
    return QStringLiteral(VORLO_VERSION);
}

QString idiomaInforme(const QString &idioma) {
    return idioma == kEspanol ? kEspanol : kIngles;
}

bool Informe::espanol() const {
    return idioma == kEspanol;
}

QList<Fila> Informe::filas() const {
    QList<Fila> l;
    for (const Seccion &s : secciones)
        l += s.filas;
    return l;
}

Informe informeTuberia(const CamposTexto &c, const QString &idioma, const QDateTime &fecha,
                       const std::optional<DatosAccesorios> &accesorios) {
    using namespace tuberia;
    const bool es = idioma == kEspanol;
    Informe inf =
        base(Ventana::Tuberia, idioma, fecha,
             es ? QStringLiteral("CÁLCULO DEL NÚMERO DE REYNOLDS, VELOCIDAD, F.FRICCIÓN Y "
                                 "PÉRDIDA DE CARGA")
                : QStringLiteral("REYNOLDS NUMBER, VELOCITY, FRICTION FACTOR AND "
                                 "PRESSURE DROP"));
    anadirOpciones(inf, c);
    inf.caso << inf.palabra(palabras::Fluido) + QStringLiteral(": ") + elegida(inf, c, 0)
             << inf.palabra(palabras::Viscosidad) + QStringLiteral(": ") + elegida(inf, c, 2);

    // What the window hides in its current state.
    QStringList ocultos;
    ocultos << (c.opcion(Option4) ? vdinamica : Vcinematica);
    if (c.opcion(QStringLiteral("Option2")))
        ocultos << L << Desnivel << DPtotalm << DPbarTotal << PcargaTuberiaYaccesorios;

    for (const SeccionRotulos &s : secciones(Ventana::Tuberia)) {
        Seccion sec{es ? s.espanol : s.ingles, {}};
        for (const RotuloCampo &r : s.campos) {
            if (ocultos.contains(r.campo))
                continue;
            const QString valor = c.texto(r.campo);
            if (kOpcionalesTuberia.contains(r.campo) && valor.isEmpty())
                continue;
            sec.filas.append(fila(r, valor, kCalculablesTuberia.contains(r.campo), es));
        }
        inf.secciones.append(sec);
    }
    if (tramoCompleto(c)) {
        for (Seccion &s : inf.secciones)
            for (Fila &f : s.filas)
                if (f.campo == DP)
                    f.unidad = QStringLiteral("Pa");
                else if (f.campo == DPbar)
                    f.unidad = QStringLiteral("bar");
        inf.avisos << inf.palabra(palabras::TramoCompleto);
    }

    inf.notas << inf.palabra(palabras::ValoresComoVentana) << inf.palabra(palabras::Calculados);
    if (kNotasTransicion.contains(c.texto(Labelffriccion)))
        inf.avisos << c.texto(Labelffriccion);
    // The exact root's note warns only when the root lies outside the grid (the window shows
    // it in red then); inside, it is a remark and stays with the results.
    if (const auto raiz = friccion::raizDesdeTextos(c);
        raiz && (*raiz < friccion::kMallaInicio || *raiz > friccion::kMallaFin) &&
        !c.texto(Labelfexacta).isEmpty())
        inf.avisos << c.texto(Labelfexacta);
    if (accesorios) {
        inf.accesorios = listaAccesorios(*accesorios, c.texto(ktotal));
        if (inf.accesorios && !accesorios->mensaje.isEmpty())
            inf.avisos << accesorios->mensaje;
    }
    return inf;
}

Informe informeGas(const CamposTexto &c, const QString &idioma, const QDateTime &fecha) {
    using namespace gas;
    const bool es = idioma == kEspanol;
    Informe inf = base(Ventana::Gas, idioma, fecha,
                       es ? QStringLiteral("CÁLCULO DE CAUDAL Y DENSIDAD EN GASES")
                          : QStringLiteral("FLOW RATE AND DENSITY CALCULATION. GASES"));
    anadirOpciones(inf, c);
    const bool modoProceso = c.opcion(QStringLiteral("Option2"));
    const RotuloCampo &z = opciones(Ventana::Gas)[2];
    inf.caso << inf.palabra(palabras::Modo) + QStringLiteral(": ") + elegida(inf, c, 0)
             << (es ? z.espanol : z.ingles) + QStringLiteral(": ") +
                    inf.palabra(c.opcion(z.campo) ? palabras::Si : palabras::No);

    // The results of the mode; the compressibility factors are listed whether shown or not,
    // since the calculation uses them either way.
    const QStringList calculados = {dproceso, Qprocesomasico, modoProceso ? Qnormales : Qproceso};
    const QStringList temps = temperaturas();
    for (const SeccionRotulos &s : secciones(Ventana::Gas)) {
        Seccion sec{es ? s.espanol : s.ingles, {}};
        if (sec.titulo.endsWith(QLatin1Char(':')))
            sec.titulo.chop(1);
        for (const RotuloCampo &r : s.campos) {
            const Fila f = fila(r, c.texto(r.campo), calculados.contains(r.campo), es);
            sec.filas.append(f);
            // The window's own message for a temperature below absolute zero.
            const auto v = temps.contains(r.campo) ? c.valor(r.campo) : std::nullopt;
            if (v && *v < kCeroAbsoluto)
                inf.avisos << sec.titulo + QStringLiteral(", ") + f.titulo + QStringLiteral(" (") +
                                  f.valor + QStringLiteral(" ") + f.unidad + QStringLiteral("): ") +
                                  inf.palabra(palabras::CeroAbsoluto);
        }
        inf.secciones.append(sec);
    }

    inf.notas << inf.palabra(palabras::ValoresComoVentana) << inf.palabra(palabras::Calculados);
    return inf;
}

} // namespace vorlo::informe
