#include "report.h"

#include "fields/language.h"
#include "fields/numbers.h"
#include "fittings/fitting_rows.h"
#include "fittings/k_factors.h"
#include "gas/gas_state.h"
#include "pipeflow/pipe_fields.h"
#include "pipeflow/pipe_flow.h"
#include "pipeflow/pipe_notes.h"
#include "pipeflow/regimen.h"
#include "report/report_method.h"
#include "report/report_windows.h"

#include <QtNumeric>
#include <cmath>

namespace vorlo::informe {

namespace {

const QString kVerdadero = QStringLiteral("True");
const QString kFalso = QStringLiteral("False");

// The gas window's message for a temperature below absolute zero: the window shows it in
// Spanish whatever its language; the note, in its own.
const TextoBilingue kMensajeBajoCero{
    gas::kMensajeCeroAbsoluto, QStringLiteral("Temperature below absolute zero, please correct")};

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
    return Fila{c.nombre,  inf.palabra(c.rotuloNota()),           valor, c.unidad,
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
        ListaAccesorios::Linea linea{i, tituloAccesorio(i, lengua), f.unidades, f.k, QString()};
        if (const auto k = leerNumero(f.k))
            linea.producto = formatoPlano(*n * *k).value_or(QString());
        l.lineas.append(linea);
    }
    if (l.lineas.isEmpty())
        return std::nullopt;
    return l;
}

// The fittings window's message, which it shows in Spanish whatever its language, in the
// report's: the reason the method gives no K at that diameter and Reynolds number.
QString mensajeAccesorios(const DatosAccesorios &d, Lengua lengua) {
    const auto mm = leerNumero(d.diametro);
    if (d.mensaje.isEmpty() || !mm)
        return d.mensaje;
    const KsPorMetodo ks = kPorMetodo(d.metodo, *mm, leerNumero(d.reynolds));
    return ks.motivo ? mensajeSinK(*ks.motivo).en(lengua) : d.mensaje;
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

// The pipe window's texts with its notes beside the results (regime, friction factor, exact
// root) written again in the report's language from the state, as a flag click in the window
// writes them: the window's own were written in the language it had then.
CamposMapa conNotasEnLengua(const CamposTexto &c, const QString &idioma) {
    CamposMapa m;
    for (const Campo &campo : tuberia::campos().campos())
        m.escribir(campo.nombre, c.texto(campo.nombre));
    for (const Campo &o : tuberia::campos().opciones())
        m.fijarOpcion(o.nombre, c.opcion(o.nombre));
    // From the texts alone; in the exact mode the root's note says the results take the root.
    ValoresExactos sinValores;
    notasEnLengua(m, idioma, c.opcion(tuberia::CheckExacto) ? &sinValores : nullptr);
    return m;
}

// `notas`: the window's texts with the notes in the report's language.
void seccionesTuberia(Informe &inf, const CamposTexto &c, const CamposMapa &notas) {
    for (const SeccionCampos &s : tabla(Ventana::Tuberia).secciones()) {
        Seccion sec{inf.palabra(s.titulo), {}};
        for (const Campo &campo : s.campos) {
            if (!visibleEnTuberia(campo, c))
                continue;
            Fila f = fila(inf, campo, notas.texto(campo.nombre), campo.rol != Rol::Entrada);
            f.numero = c.valorEscrito(campo.nombre);
            sec.filas.append(f);
        }
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

// The notes the window shows in red: the transition zone's, and the exact root's while the
// root lies outside the grid the results take their factor from (inside, or in the exact mode,
// it is a remark and stays with the results).
void avisosTuberia(Informe &inf, const CamposMapa &notas) {
    using namespace tuberia;
    // A note the pass left when Re was emptied since keeps no colour: it is told by its text.
    const NotaTuberia transicion = *notaFriccion((kReLaminar + kReTurbulento) / 2);
    const QString friccion = notas.texto(Labelffriccion);
    if (!friccion.isEmpty() && friccion == transicion.texto.en(inf.lengua()))
        inf.avisos << friccion;
    if (notas.color(Labelfexacta) == ColorNota::Rojo && !notas.texto(Labelfexacta).isEmpty())
        inf.avisos << notas.texto(Labelfexacta);
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

QString conCero(const QString &texto) {
    QString t = texto.trimmed();
    if (t.startsWith(u','))
        t.prepend(u'0');
    else if (t.startsWith(QLatin1String("-,")))
        t.insert(1, u'0');
    return t;
}

QString Fila::valorNota() const {
    return nota ? valor.trimmed() : conCero(valor);
}

QString Paso::linea() const {
    if (implicita)
        return sustitucion + QStringLiteral(" ⇒ ") + resultado;
    QString l = ecuacion;
    if (!sustitucion.isEmpty())
        l += QStringLiteral(" = ") + sustitucion;
    return l + QStringLiteral(" = ") + resultado;
}

bool tramoCompleto(const CamposTexto &c) {
    const auto dp = c.valor(tuberia::DP);
    const auto dpbar = c.valor(tuberia::DPbar);
    return dp && dpbar && *dp > 0 && *dpbar > 0 && std::abs(*dp / *dpbar / 1e5 - 1) < 1e-6;
}

QList<Fila> Informe::filas() const {
    QList<Fila> l;
    for (const Seccion &s : secciones)
        l += s.filas;
    return l;
}

Informe informeTuberia(const CamposTexto &c, const QString &idioma, const QDateTime &fecha,
                       const std::optional<DatosAccesorios> &accesorios) {
    Contexto contexto;
    contexto.accesorios = accesorios;
    return informeTuberia(c, idioma, fecha, contexto);
}

Informe informeTuberia(const CamposTexto &c, const QString &idioma, const QDateTime &fecha,
                       const Contexto &contexto) {
    Informe inf = base(Ventana::Tuberia, idioma, fecha);
    inf.cabecera = contexto.cabecera;
    anadirOpciones(inf, c);
    inf.caso << inf.palabra(palabras::Fluido) + QStringLiteral(": ") + elegida(inf, c, 0)
             << inf.palabra(palabras::Viscosidad) + QStringLiteral(": ") + elegida(inf, c, 2);
    inf.modo = friccion::textoModo(c.opcion(tuberia::CheckExacto)).en(inf.lengua());
    inf.caso << inf.modo;
    if (const QString tuberia = lineaTuberia(c, inf.lengua()); !tuberia.isEmpty())
        inf.caso << tuberia;
    const std::optional<OrigenAgua> agua = origenVigente(c, contexto);
    if (agua)
        inf.caso << lineaFluidoAgua(*agua, inf.lengua());
    const CamposMapa notas = conNotasEnLengua(c, inf.idioma);
    seccionesTuberia(inf, c, notas);
    if (tramoCompleto(c))
        marcarTramoCompleto(inf);
    inf.notas << inf.palabra(palabras::ValoresComoVentana) << inf.palabra(palabras::Calculados);
    avisosTuberia(inf, notas);
    if (contexto.accesorios) {
        inf.accesorios =
            listaAccesorios(*contexto.accesorios, c.texto(tuberia::ktotal), inf.lengua());
        if (inf.accesorios && !contexto.accesorios->mensaje.isEmpty())
            inf.avisos << mensajeAccesorios(*contexto.accesorios, inf.lengua());
    }
    anadirAnexos(inf, contexto, agua);
    inf.metodo = metodoTuberia(c, inf.lengua(), inf.accesorios);
    if (c.valor(tuberia::Re))
        inf.grafico = PuntoGrafico{c.texto(tuberia::Re), c.texto(tuberia::ffinal),
                                   c.texto(tuberia::Rugosidad), c.texto(tuberia::dint),
                                   c.texto(tuberia::fexacta)};
    return inf;
}

Informe informeGas(const CamposTexto &c, const QString &idioma, const QDateTime &fecha,
                   const Cabecera &cabecera) {
    using namespace gas;
    Informe inf = base(Ventana::Gas, idioma, fecha);
    inf.cabecera = cabecera;
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
            Fila f = fila(inf, campo, c.texto(campo.nombre), calculados.contains(campo.nombre));
            f.numero = c.valorEscrito(campo.nombre);
            sec.filas.append(f);
            // The window's own message for a temperature below absolute zero.
            const auto v = temps.contains(campo.nombre) ? c.valor(campo.nombre) : std::nullopt;
            if (v && *v < kCeroAbsoluto)
                inf.avisos << sec.titulo + QStringLiteral(", ") + f.titulo + QStringLiteral(" (") +
                                  f.valor + QStringLiteral(" ") + f.unidad + QStringLiteral("): ") +
                                  inf.palabra(kMensajeBajoCero);
        }
        inf.secciones.append(sec);
    }

    inf.notas << inf.palabra(palabras::ValoresComoVentana) << inf.palabra(palabras::Calculados);
    return inf;
}

} // namespace vorlo::informe
