#include "report.h"

#include "fields/language.h"
#include "fields/numbers.h"
#include "fittings/k_factors.h"
#include "gas/gas_state.h"
#include "pipeflow/pipe_fields.h"
#include "pipeflow/regimen.h"

#include <QtNumeric>
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

Informe base(Ventana v, const QString &idioma, const QDateTime &fecha) {
    Informe inf;
    inf.ventana = v;
    inf.idioma = idiomaInforme(idioma);
    // The window's heading, without the blank its Spanish title ends in.
    inf.titulo = inf.palabra(tabla(v).titulo()).trimmed();
    inf.fecha = fecha;
    inf.programa = QStringLiteral("Vorlo");
    inf.version = versionPrograma();
    return inf;
}

Fila fila(const Informe &inf, const Campo &c, const QString &valor, bool calculado) {
    return Fila{c.nombre,  inf.palabra(c.rotulo),
                valor,     c.unidad,
                calculado, c.rol == Rol::Nota || c.tiene(EsTexto)};
}

void anadirOpciones(Informe &inf, const CamposTexto &c) {
    for (const Campo &o : tabla(inf.ventana).opciones())
        inf.opciones.append(fila(inf, o, c.opcion(o.nombre) ? kVerdadero : kFalso, false));
}

// The caption of the selected option of a pair, or "not selected".
QString elegida(const Informe &inf, const CamposTexto &c, int primera) {
    const QList<Campo> &o = tabla(inf.ventana).opciones();
    for (int i = primera; i < primera + 2; ++i)
        if (c.opcion(o[i].nombre))
            return inf.palabra(o[i].rotulo);
    return inf.palabra(palabras::SinSeleccionar);
}

std::optional<ListaAccesorios> listaAccesorios(const DatosAccesorios &d, const QString &ktotal,
                                               Lengua lengua) {
    // Counts of another diameter (the pipe's K total was emptied since) describe nothing shown.
    if (d.ktotal != ktotal)
        return std::nullopt;
    ListaAccesorios l;
    l.diametro = d.diametro;
    l.ktotal = d.ktotal;
    l.metodo = nombreMetodoK(d.metodo).en(lengua);
    const auto mm = leerNumero(d.diametro);
    if (d.metodo != MetodoK::Tabla)
        l.formula =
            descripcionMetodoK(d.metodo, mm.value_or(qQNaN()), leerNumero(d.reynolds), lengua);
    else if (const auto dn = mm ? seleccionarDiametro(*mm).nominal : std::nullopt)
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

// Whether the pipe window shows a field in its current state: the viscosity not chosen and,
// in gases mode, the rows over the length are hidden; the optional rows show with a text.
bool visibleEnTuberia(const Campo &campo, const CamposTexto &c) {
    using namespace tuberia;
    if (campo.nombre == (c.opcion(Option4) ? vdinamica : Vcinematica))
        return false;
    if (campo.tiene(SoloModoPrincipal) && c.opcion(Option2))
        return false;
    return !(campo.tiene(Opcional) && c.texto(campo.nombre).isEmpty());
}

void seccionesTuberia(Informe &inf, const CamposTexto &c) {
    for (const SeccionCampos &s : tabla(Ventana::Tuberia).secciones()) {
        Seccion sec{inf.palabra(s.titulo), {}};
        for (const Campo &campo : s.campos)
            if (visibleEnTuberia(campo, c))
                sec.filas.append(
                    fila(inf, campo, c.texto(campo.nombre), campo.rol != Rol::Entrada));
        inf.secciones.append(sec);
    }
}

// The units of DP and DPbar while they hold the totals over the length.
void marcarTramoCompleto(Informe &inf) {
    for (Seccion &s : inf.secciones)
        for (Fila &f : s.filas)
            if (f.campo == tuberia::DP)
                f.unidad = QStringLiteral("Pa");
            else if (f.campo == tuberia::DPbar)
                f.unidad = QStringLiteral("bar");
    inf.avisos << inf.palabra(palabras::TramoCompleto);
}

void avisosTuberia(Informe &inf, const CamposTexto &c) {
    using namespace tuberia;
    if (kNotasTransicion.contains(c.texto(Labelffriccion)))
        inf.avisos << c.texto(Labelffriccion);
    // The exact root's note warns only when the root lies outside the grid (the window shows
    // it in red then); inside, it is a remark and stays with the results.
    if (const auto raiz = friccion::raizDesdeTextos(c);
        raiz && (*raiz < friccion::kMallaInicio || *raiz > friccion::kMallaFin) &&
        !c.texto(Labelfexacta).isEmpty())
        inf.avisos << c.texto(Labelfexacta);
}

} // namespace

QString versionPrograma() {
    return QStringLiteral(VORLO_VERSION);
}

QString idiomaInforme(const QString &idioma) {
    return idiomaDe(lenguaDe(idioma));
}

Lengua Informe::lengua() const {
    return lenguaDe(idioma);
}

QList<Fila> Informe::filas() const {
    QList<Fila> l;
    for (const Seccion &s : secciones)
        l += s.filas;
    return l;
}

Informe informeTuberia(const CamposTexto &c, const QString &idioma, const QDateTime &fecha,
                       const std::optional<DatosAccesorios> &accesorios) {
    Informe inf = base(Ventana::Tuberia, idioma, fecha);
    anadirOpciones(inf, c);
    inf.caso << inf.palabra(palabras::Fluido) + QStringLiteral(": ") + elegida(inf, c, 0)
             << inf.palabra(palabras::Viscosidad) + QStringLiteral(": ") + elegida(inf, c, 2);
    inf.modo = friccion::textoModo(c.opcion(tuberia::CheckExacto)).en(inf.lengua());
    inf.caso << inf.modo;
    seccionesTuberia(inf, c);
    if (tramoCompleto(c))
        marcarTramoCompleto(inf);
    inf.notas << inf.palabra(palabras::ValoresComoVentana) << inf.palabra(palabras::Calculados);
    avisosTuberia(inf, c);
    if (accesorios) {
        inf.accesorios = listaAccesorios(*accesorios, c.texto(tuberia::ktotal), inf.lengua());
        if (inf.accesorios && !accesorios->mensaje.isEmpty())
            inf.avisos << accesorios->mensaje;
    }
    return inf;
}

Informe informeGas(const CamposTexto &c, const QString &idioma, const QDateTime &fecha) {
    using namespace gas;
    Informe inf = base(Ventana::Gas, idioma, fecha);
    anadirOpciones(inf, c);
    const bool modoProceso = c.opcion(Option2);
    const Campo &z = *tabla(Ventana::Gas).campo(Check1);
    inf.caso << inf.palabra(palabras::Modo) + QStringLiteral(": ") + elegida(inf, c, 0)
             << inf.palabra(z.rotulo) + QStringLiteral(": ") +
                    inf.palabra(c.opcion(z.nombre) ? palabras::Si : palabras::No);

    // The results of the mode; the compressibility factors are listed whether shown or not,
    // since the calculation uses them either way.
    const QStringList calculados = {dproceso, Qprocesomasico, modoProceso ? Qnormales : Qproceso};
    const QStringList temps = temperaturas();
    for (const SeccionCampos &s : tabla(Ventana::Gas).secciones()) {
        Seccion sec{inf.palabra(s.titulo), {}};
        if (sec.titulo.endsWith(QLatin1Char(':')))
            sec.titulo.chop(1);
        for (const Campo &campo : s.campos) {
            const Fila f =
                fila(inf, campo, c.texto(campo.nombre), calculados.contains(campo.nombre));
            sec.filas.append(f);
            // The window's own message for a temperature below absolute zero.
            const auto v = temps.contains(campo.nombre) ? c.valor(campo.nombre) : std::nullopt;
            if (v && *v < kCeroAbsoluto)
                inf.avisos << sec.titulo + QStringLiteral(", ") + f.titulo + QStringLiteral(" (") +
                                  f.valor + QStringLiteral(" ") + f.unidad + QStringLiteral("): ") +
                                  kMensajeCeroAbsoluto;
        }
        inf.secciones.append(sec);
    }

    inf.notas << inf.palabra(palabras::ValoresComoVentana) << inf.palabra(palabras::Calculados);
    return inf;
}

} // namespace vorlo::informe
