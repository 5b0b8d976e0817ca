#include "valve_fields.h"

#include "fields/field_rows.h"
#include "fields/numbers.h"
#include "valve/valve_styles.h"

namespace vorlo::valvula {

namespace {

const Formato kCinco{Formato::Significativas, 5};
const Formato kCuatro{Formato::Significativas, 4};

using filas::entrada;
using filas::etiquetaDe;
using filas::nota;
using filas::texto;

Campo resultado(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
                const char *clave, Formato formato = kCuatro) {
    return filas::resultado(nombre, rotulo, unidad, clave, formato);
}

Campo listaEstilos() {
    Campo c{.nombre = EstiloValv,
            .rol = Rol::Entrada,
            .marcas = LeidaPorPasada | EsTexto,
            .rotulo = texto("Tipo de válvula", "Valve style"),
            .etiqueta = etiquetaDe(EstiloValv),
            .clave = QStringLiteral("style")};
    for (const EstiloValvula &e : estilos())
        c.elecciones << Eleccion{e.clave, e.texto};
    return c;
}

TablaCampos construir() {
    const QList<SeccionCampos> secciones = {
        {texto("FLUIDO", "FLUID"),
         QStringLiteral("EncabezadoFluidoValv"),
         {entrada(QValv,
                  texto("Caudal (gas: normal, 0 ºC y 1,01325 bar a)",
                        "Flow (gas: normal, 0 ºC and 1.01325 bar a)"),
                  "m3/h", "q"),
          entrada(P1Valv, texto("Presión de entrada P1", "Inlet pressure P1"), "bar a", "p1"),
          entrada(P2Valv, texto("Presión de salida P2", "Outlet pressure P2"), "bar a", "p2"),
          entrada(ViscValv, texto("Viscosidad dinámica", "Dynamic viscosity"), "Pa·s", "viscosity"),
          entrada(DensidadValv, texto("Densidad (líquido)", "Density (liquid)"), "kg/m3",
                  "density"),
          entrada(PsatValv, texto("Presión de vapor Pv (líquido)", "Vapour pressure Pv (liquid)"),
                  "bar a", "psat"),
          entrada(PcValv, texto("Presión crítica Pc (líquido)", "Critical pressure Pc (liquid)"),
                  "bar a", "pc"),
          entrada(TValv, texto("Temperatura T1", "Temperature T1"), "ºC", "t"),
          entrada(MValv, texto("Masa molar M (gas)", "Molar mass M (gas)"), "g/mol", "mw"),
          entrada(
              GammaValv,
              texto("Relación de calores específicos γ (gas)", "Ratio of specific heats γ (gas)"),
              "", "gamma"),
          entrada(ZValv, texto("Compresibilidad Z (gas)", "Compressibility Z (gas)"), "", "z")}},
        {texto("VÁLVULA", "VALVE"),
         QStringLiteral("EncabezadoValvulaValv"),
         {listaEstilos(), entrada(FLValv, texto("FL (vacío: 0,9)", "FL (empty: 0.9)"), "", "fl"),
          entrada(FdValv, texto("Fd (vacío: 1)", "Fd (empty: 1)"), "", "fd"),
          entrada(xTValv, texto("xT (gas; vacío: 0,7)", "xT (gas; empty: 0.7)"), "", "xt"),
          entrada(DValv, texto("Tamaño de la válvula d", "Valve size d"), "mm", "d"),
          entrada(D1Valv, texto("Tubería de entrada D1", "Inlet pipe D1"), "mm", "d1"),
          entrada(D2Valv, texto("Tubería de salida D2", "Outlet pipe D2"), "mm", "d2"),
          entrada(KvNominalValv, texto("Kv nominal", "Rated Kv"), "m3/h", "rated-kv")}},
        {texto("RESULTADOS", "RESULTS"),
         QStringLiteral("EncabezadoResultadosValv"),
         {resultado(KvValv, texto("Kv necesario", "Required Kv"), "m3/h", "kv", kCinco),
          resultado(CvValv, texto("Cv necesario", "Required Cv"), "US gpm", "cv", kCinco),
          nota(EstadoValv, texto("Estado", "State")),
          resultado(DPBloqueoValv, texto("ΔP de bloqueo", "Choked ΔP"), "bar", "dp_choked"),
          resultado(XBloqueoValv, texto("x de bloqueo Fγ·xT", "Choked x, Fγ·xT"), "", "x_choked"),
          resultado(FFValv, texto("FF", "FF"), "", "ff"),
          resultado(FPValv, texto("FP", "FP"), "", "fp"),
          resultado(FLPValv, texto("FLP", "FLP"), "", "flp"),
          resultado(YValv, texto("Y", "Y"), "", "y"),
          resultado(xTPValv, texto("xTP", "xTP"), "", "xtp"),
          resultado(FRValv, texto("FR", "FR"), "", "fr"),
          resultado(ReValv, texto("Reynolds de la válvula Rev", "Valve Reynolds number Rev"), "",
                    "rev"),
          nota(RegimenValv, texto("Régimen", "Regime")),
          resultado(AperturaValv, texto("Kv necesario / Kv nominal", "Required / rated Kv"), "%",
                    "opening", {Formato::Fijo, 1})}},
    };
    const QList<Campo> opciones = {
        {.nombre = OptionLiquidoValv, .marcas = Opcion, .rotulo = texto("Líquido", "Liquid")},
        {.nombre = OptionGasValv, .marcas = Opcion, .rotulo = texto("Gas", "Gas")},
    };
    return TablaCampos(texto("VÁLVULA DE CONTROL (IEC 60534-2-1)", "CONTROL VALVE (IEC 60534-2-1)"),
                       QStringLiteral("TituloValv"), secciones, opciones);
}

struct Lector {
    const CamposTexto &campos;
    QStringList faltan;
    QString noNumero;

    double leer(const QString &campo) {
        if (const std::optional<double> x = campos.valor(campo))
            return *x;
        if (campos.presente(campo)) {
            if (noNumero.isEmpty())
                noNumero = campo;
        } else {
            faltan << campo;
        }
        return 0;
    }
    std::optional<double> opcional(const QString &campo) {
        if (!campos.presente(campo))
            return std::nullopt;
        const double x = leer(campo);
        return x;
    }
    double conDefecto(const QString &campo, double defecto) {
        return campos.presente(campo) ? leer(campo) : defecto;
    }
};

TextoBilingue rotuloDe(const QString &campo) {
    const Campo *c = camposValvula().campo(campo);
    return c ? c->rotulo : TextoBilingue{campo, campo};
}

} // namespace

const TablaCampos &camposValvula() {
    static const TablaCampos tabla = construir();
    return tabla;
}

QStringList entradasDe(Fluido fluido) {
    const QStringList soloLiquido = {DensidadValv, PsatValv, PcValv};
    const QStringList soloGas = {TValv, MValv, GammaValv, ZValv, xTValv};
    const QStringList &ajenas = fluido == Fluido::Liquido ? soloGas : soloLiquido;
    return camposValvula().nombres(
        [&](const Campo &c) { return c.rol == Rol::Entrada && !ajenas.contains(c.nombre); });
}

Fluido fluidoDe(const CamposTexto &campos) {
    return campos.opcion(OptionGasValv) ? Fluido::Gas : Fluido::Liquido;
}

std::variant<DatosValvula, ErrorValvula> leerDatos(const CamposTexto &campos) {
    Lector l{campos, {}, {}};
    DatosValvula d;
    d.fluido = fluidoDe(campos);
    d.q = l.leer(QValv);
    d.p1 = l.leer(P1Valv);
    d.p2 = l.leer(P2Valv);
    d.viscosidad = l.opcional(ViscValv);
    if (d.fluido == Fluido::Liquido) {
        d.densidad = l.leer(DensidadValv);
        d.pv = l.leer(PsatValv);
        d.pc = l.leer(PcValv);
    } else {
        d.t = l.leer(TValv);
        d.m = l.leer(MValv);
        d.gamma = l.leer(GammaValv);
        d.z = l.leer(ZValv);
        d.xt = l.conDefecto(xTValv, d.xt);
    }
    d.fl = l.conDefecto(FLValv, d.fl);
    d.fd = l.conDefecto(FdValv, d.fd);
    d.d = l.opcional(DValv);
    d.d1 = l.opcional(D1Valv);
    d.d2 = l.opcional(D2Valv);
    d.kvNominal = l.opcional(KvNominalValv);
    if (!l.noNumero.isEmpty()) {
        const TextoBilingue r = rotuloDe(l.noNumero);
        return ErrorValvula{{QStringLiteral("«%1» no es un número.").arg(r.espanol),
                             QStringLiteral("«%1» is not a number.").arg(r.ingles)},
                            l.noNumero};
    }
    if (!l.faltan.isEmpty()) {
        QStringList es, en;
        for (const QString &f : l.faltan) {
            es << rotuloDe(f).espanol;
            en << rotuloDe(f).ingles;
        }
        return ErrorValvula{{QStringLiteral("Falta: ") + es.join(QStringLiteral("; ")),
                             QStringLiteral("Missing: ") + en.join(QStringLiteral("; "))},
                            l.faltan.constFirst()};
    }
    return d;
}

std::optional<double> valorResultado(const QString &campo, const ResultadoValvula &r) {
    const bool liquido = r.ff.has_value();
    if (campo == KvValv)
        return r.kv;
    if (campo == CvValv)
        return r.cv;
    if (campo == DPBloqueoValv)
        return liquido ? std::optional<double>(r.limite) : std::nullopt;
    if (campo == XBloqueoValv)
        return liquido ? std::nullopt : std::optional<double>(r.limite);
    const std::pair<QString, const std::optional<double> *> opcionales[] = {
        {FFValv, &r.ff},   {FPValv, &r.fp}, {FLPValv, &r.flp}, {YValv, &r.y},
        {xTPValv, &r.xtp}, {FRValv, &r.fr}, {ReValv, &r.rev},  {AperturaValv, &r.apertura}};
    for (const auto &[nombre, valor] : opcionales)
        if (nombre == campo)
            return *valor;
    return std::nullopt;
}

void calcularValvula(CamposTexto &campos, Lengua lengua) {
    const auto datos = leerDatos(campos);
    std::optional<ErrorValvula> error;
    std::optional<ResultadoValvula> r;
    if (const auto *e = std::get_if<ErrorValvula>(&datos)) {
        error = *e;
    } else {
        const Dimensionado dim = dimensionar(std::get<DatosValvula>(datos));
        if (const auto *e2 = std::get_if<ErrorValvula>(&dim))
            error = *e2;
        else
            r = std::get<ResultadoValvula>(dim);
    }
    for (const Campo &c : camposValvula().campos()) {
        if (c.rol != Rol::Resultado)
            continue;
        const std::optional<double> x = r ? valorResultado(c.nombre, *r) : std::nullopt;
        const std::optional<QString> t = x ? c.formato.aplicar(*x) : std::nullopt;
        if (t)
            campos.escribirValor(c.nombre, *x, *t);
        else
            campos.escribir(c.nombre, QString());
    }
    if (!r) {
        // A field merely empty is not an error: the message stays in the window's colour.
        const bool falta = !campos.presente(error->campo) && !error->campo.isEmpty();
        campos.escribir(EstadoValv, error->mensaje.en(lengua));
        campos.escribirColor(EstadoValv, falta ? ColorNota::Normal : ColorNota::Rojo);
        campos.escribir(RegimenValv, QString());
        return;
    }
    const Fluido fluido = fluidoDe(campos);
    const bool rojo = r->estado == Estado::Bloqueado || r->estado == Estado::Vaporizacion;
    campos.escribir(EstadoValv, textoEstado(fluido, r->estado).en(lengua));
    campos.escribirColor(EstadoValv, rojo ? ColorNota::Rojo : ColorNota::Normal);
    QString regimen = textoRegimen(r->regimen).en(lengua);
    if (r->alcance && *r->alcance >= kAlcance)
        regimen += (lengua == Lengua::Espanol
                        ? QStringLiteral(". Fuera del alcance de la norma: Kv/(N18·d²) = %1 ≥ "
                                         "0,047; elija una válvula mayor")
                        : QStringLiteral(". Beyond the standard's scope: Kv/(N18·d²) = %1 ≥ "
                                         "0.047; choose a larger valve"))
                       .arg(formatoSignificativo(*r->alcance, 3).value_or(QString()));
    campos.escribir(RegimenValv, regimen);
}

} // namespace vorlo::valvula
