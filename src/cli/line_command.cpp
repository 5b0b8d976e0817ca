#include "line_command.h"

#include "command_line.h"
#include "commands.h"
#include "line/line.h"
#include "line/line_fields.h"
#include "line/line_input.h"
#include "line/line_values.h"

#include <QCommandLineParser>
#include <QHash>
#include <QTextStream>
#include <optional>
#include <variant>

namespace vorlo::cli {

namespace {

namespace l = vorlo::linea;

const QString kNombre = QStringLiteral("line");
// The keys of a --segment's parts, in the order of the segment table's input columns.
const QStringList kPartesTramo = {QStringLiteral("id"), QStringLiteral("l"), QStringLiteral("dz"),
                                  QStringLiteral("e"),  QStringLiteral("k"), QStringLiteral("dp")};
// A curve of more points than this is not a curve anyone reads.
constexpr int kPuntosMaximos = 100000;

// Every pressure on the command line is absolute; the key says which one it is.
QString unidadLinea(const Campo &campo) {
    QString u = campo.unidad;
    if (u.endsWith(QLatin1String(" a")))
        u.chop(2);
    return u.remove(QLatin1Char(' '));
}

const Campo &campoDe(const QString &nombre) {
    return *l::tabla().campo(nombre);
}

// "id=77.92,l=60,dz=12,e=0.045,k=4.2,dp=0.3": id and l needed, the rest take their defaults.
std::variant<l::Tramo, QString> leerTramo(const QString &texto) {
    double valores[l::kColumnasEntrada] = {0, 0, 0, l::kRugosidadDefecto, 0, 0};
    bool dados[l::kColumnasEntrada] = {};
    for (const QString &parte : texto.split(QLatin1Char(','))) {
        const QString clave = parte.section(QLatin1Char('='), 0, 0).trimmed();
        const qsizetype i = kPartesTramo.indexOf(clave);
        if (i < 0 || !parte.contains(QLatin1Char('=')))
            return QStringLiteral("--segment: '%1' is not a key=value part (keys: %2)")
                .arg(parte, kPartesTramo.join(QStringLiteral(", ")));
        const auto x = leerNumeroPunto(parte.section(QLatin1Char('='), 1).trimmed());
        if (!x)
            return QStringLiteral("--segment: '%1' is not a number").arg(parte);
        valores[i] = *x;
        dados[i] = true;
    }
    if (!dados[0] || !dados[1])
        return QStringLiteral("--segment '%1': id and l are needed").arg(texto);
    return l::Tramo{valores[0], valores[1], valores[2], valores[3], valores[4], valores[5]};
}

struct Opciones {
    QHash<QString, QCommandLineOption *> porCampo;
    QCommandLineOption tramo{QStringLiteral("segment"),
                             QStringLiteral("A segment in flow order, repeated: "
                                            "\"id=MM,l=M,dz=M,e=MM,k=K,dp=BAR\" (e 0.05 mm, k, dz "
                                            "and dp 0 when left out)."),
                             QStringLiteral("SEGMENT")};
    QCommandLineOption tramos{QStringLiteral("segments"),
                              QStringLiteral("Print the segment table as CSV instead.")};
    QCommandLineOption curva{QStringLiteral("curve"),
                             QStringLiteral("Print N+1 points of the system curve (0 to 1.5 Q) as "
                                            "CSV instead; needs a pump."),
                             QStringLiteral("N")};
};

// The inputs with a key, each an option named by it.
QList<QCommandLineOption> opcionesDeTabla() {
    QList<QCommandLineOption> o;
    for (const Campo &c : l::tabla().campos()) {
        if (c.rol != Rol::Entrada || c.clave.isEmpty() || c.nombre == l::Tramos)
            continue;
        const QString unidad =
            c.unidad.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(c.unidad);
        o << QCommandLineOption(c.clave, c.rotulo.ingles + unidad, c.clave.toUpper());
    }
    return o;
}

struct Lectura {
    l::Datos datos;
    QString error;
};

std::optional<double> numeroDe(const QCommandLineParser &p, const QString &clave, QString &error) {
    if (!p.isSet(clave))
        return std::nullopt;
    const auto x = leerNumeroPunto(p.value(clave));
    if (!x && error.isEmpty())
        error = QStringLiteral("--%1: '%2' is not a number").arg(clave, p.value(clave));
    return x;
}

Lectura leerDatos(const QCommandLineParser &p, const Opciones &o) {
    Lectura r;
    l::Datos &d = r.datos;
    QString &e = r.error;
    const auto clave = [](const QString &campo) { return campoDe(campo).clave; };
    for (const QString &obligatoria : {l::DensidadLinea, l::ViscLinea, l::PInicio})
        if (!p.isSet(clave(obligatoria)))
            return {d, QStringLiteral("missing option --%1").arg(clave(obligatoria))};
    d.q = numeroDe(p, clave(l::QLinea), e);
    d.densidad = numeroDe(p, clave(l::DensidadLinea), e).value_or(0);
    d.viscosidad = numeroDe(p, clave(l::ViscLinea), e).value_or(0);
    d.pInicio = numeroDe(p, clave(l::PInicio), e).value_or(0);
    d.pFin = numeroDe(p, clave(l::PFin), e);
    d.psat = numeroDe(p, clave(l::PsatLinea), e);
    d.eficiencia = numeroDe(p, clave(l::EficienciaBomba), e);
    d.npshr = numeroDe(p, clave(l::NPSHrLinea), e);
    if (p.isSet(clave(l::BombaTras))) {
        bool ok = false;
        d.bombaTras = p.value(clave(l::BombaTras)).toInt(&ok);
        if (!ok && e.isEmpty())
            e = QStringLiteral("--pump-after: '%1' is not a whole number")
                    .arg(p.value(clave(l::BombaTras)));
    }
    if (p.isSet(clave(l::CurvaBomba))) {
        const auto c = l::leerCurva(p.value(clave(l::CurvaBomba)), true);
        if (!c && e.isEmpty())
            e = QStringLiteral("--pump-curve: '%1' is not a list of Q:H pairs")
                    .arg(p.value(clave(l::CurvaBomba)));
        d.curvaBomba = c.value_or(QList<l::PuntoCurva>());
    }
    for (const QString &t : p.values(o.tramo)) {
        const auto tramo = leerTramo(t);
        if (const auto *m = std::get_if<QString>(&tramo)) {
            if (e.isEmpty())
                e = *m;
        } else {
            d.tramos << std::get<l::Tramo>(tramo);
        }
    }
    return r;
}

void escribirResultados(QTextStream &s, const l::Resultado &r) {
    for (const Campo &c : l::tabla().campos()) {
        if (c.rol != Rol::Resultado || c.clave.isEmpty())
            continue;
        if (const auto x = l::valorLinea(c.nombre, r))
            s << c.clave << '\t' << numeroPunto(*x) << '\t' << unidadLinea(c) << '\n';
    }
}

void escribirTramos(QTextStream &s, const l::Datos &d, const l::Resultado &r) {
    QStringList cabecera = {l::kClaveTramo};
    const QList<Campo> &columnas = l::columnasTramo();
    for (const Campo &c : columnas)
        if (!c.clave.isEmpty())
            cabecera << c.clave;
    s << cabecera.join(QLatin1Char(',')) << '\n';
    for (qsizetype i = 0; i < r.tramos.size(); ++i) {
        QStringList fila = {QString::number(i + 1)};
        for (int j = 0; j < columnas.size(); ++j)
            if (!columnas[j].clave.isEmpty())
                fila << numeroPunto(l::valorColumna(j, d.tramos[i], r.tramos[i]).value_or(0));
        s << fila.join(QLatin1Char(',')) << '\n';
    }
}

} // namespace

int comandoLine(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre,
        QStringLiteral("--q Q --density RHO --viscosity MU --p-start P [--p-end P] [--psat P] "
                       "--segment \"id=MM,l=M,dz=M,e=MM,k=K,dp=BAR\" [--segment ...] "
                       "[--pump-after N] [--efficiency E] [--npshr M] [--pump-curve "
                       "\"Q:H,Q:H,...\"]"),
        QStringLiteral(
            "A liquid line of segments in series: the pressure at the end; the flow between\n"
            "two pressures (--q left out, --p-end given, no pump); or, with --pump-after N,\n"
            "the pump's suction and discharge pressures, head, NPSH available and power, and\n"
            "with --pump-curve where it runs. One line per result: key, value and unit\n"
            "separated by tabs, values with a decimal point. Pressures in bar a, flow in m3/h."));
    QCommandLineParser &parser = linea.parser;
    const QList<QCommandLineOption> deTabla = opcionesDeTabla();
    parser.addOptions(deTabla);
    Opciones o;
    parser.addOptions({o.tramo, o.tramos, o.curva});
    linea.permitirRepetir(o.tramo.names().constFirst());
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;
    const Lectura lectura = leerDatos(parser, o);
    if (!lectura.error.isEmpty())
        return linea.usoIncorrecto(errores, lectura.error);
    const l::Datos &d = lectura.datos;
    std::optional<int> puntos;
    if (parser.isSet(o.curva)) {
        bool ok = false;
        puntos = parser.value(o.curva).toInt(&ok);
        if (!ok || *puntos < 1 || *puntos > kPuntosMaximos)
            return linea.usoIncorrecto(
                errores, QStringLiteral("--curve: '%1' is not a whole number from 1 to %2")
                             .arg(parser.value(o.curva))
                             .arg(kPuntosMaximos));
        if (!d.bombaTras)
            return linea.usoIncorrecto(errores,
                                       QStringLiteral("--curve needs a pump (--pump-after)"));
    }
    const l::Resultado r = l::calcular(d);
    if (r.motivo == l::Motivo::SinCaudal) {
        errores << QStringLiteral("vorlo line: ") << l::mensaje(r.motivo, -1).ingles << '\n';
        errores.flush();
        return SalidaImposible;
    }
    if (!r.valido())
        return linea.usoIncorrecto(errores, l::mensaje(r.motivo, r.tramoFallido).ingles);
    if (puntos) {
        salida << "q_m3h,head_m\n";
        for (const l::PuntoCurva &p : l::curvaSistema(d, *puntos))
            salida << numeroPunto(p.q) << ',' << numeroPunto(p.h) << '\n';
    } else if (parser.isSet(o.tramos)) {
        escribirTramos(salida, d, r);
    } else {
        escribirResultados(salida, r);
        // The notes (a pressure below zero or Psat, the NPSH margin, curves that do not meet).
        for (const l::Aviso &a : l::avisos(d, r))
            errores << QStringLiteral("vorlo line: ") << a.texto.ingles << '\n';
    }
    return linea.terminarSalida(salida, errores);
}

} // namespace vorlo::cli
