#include "valve_command.h"

#include "command_line.h"
#include "commands.h"
#include "valve/valve.h"
#include "valve/valve_fields.h"

#include <QCommandLineParser>
#include <QHash>
#include <QTextStream>
#include <memory>
#include <optional>

namespace vorlo::cli {

namespace {

namespace v = vorlo::valvula;

const QString kNombre = QStringLiteral("valve");

// The options every valve needs, and those of each fluid alone, by the table's keys.
const QStringList kComunes = {QStringLiteral("q"), QStringLiteral("p1"), QStringLiteral("p2"),
                              QStringLiteral("viscosity")};
const QStringList kLiquido = {QStringLiteral("density"), QStringLiteral("psat"),
                              QStringLiteral("pc")};
const QStringList kGas = {QStringLiteral("t"), QStringLiteral("mw"), QStringLiteral("gamma"),
                          QStringLiteral("z")};

// On the command line every pressure is absolute: the key says which it is.
QString unidadLinea(const Campo &c) {
    QString u = c.unidad;
    if (u.endsWith(QLatin1String(" a")))
        u.chop(2);
    return u;
}

QString descripcion(const Campo &c) {
    const QString u = unidadLinea(c);
    QString r = c.rotulo.ingles;
    r.replace(QStringLiteral("empty:"), QStringLiteral("default"));
    return r + (u.isEmpty() ? QString() : QStringLiteral(", ") + u) +
           QStringLiteral(", with a decimal point.");
}

// The numeric inputs with a key: every option of the command but the two fluids.
QList<const Campo *> entradasNumericas() {
    QList<const Campo *> lista;
    for (const Campo &c : v::camposValvula().campos())
        if (c.rol == Rol::Entrada && !c.clave.isEmpty() && c.elecciones.isEmpty())
            lista << &c;
    return lista;
}

void escribir(QTextStream &salida, const QString &clave, const QString &valor,
              const QString &unidad = {}) {
    salida << clave << '\t' << valor << '\t' << unidad << '\n';
}

void escribirResultado(QTextStream &salida, const v::ResultadoValvula &r) {
    const QString si = QStringLiteral("yes"), no = QStringLiteral("no");
    for (const Campo &c : v::camposValvula().campos()) {
        if (c.rol != Rol::Resultado || c.clave.isEmpty())
            continue;
        if (const std::optional<double> x = v::valorResultado(c.nombre, r))
            escribir(salida, c.clave, numeroPunto(*x), unidadLinea(c));
        if (c.nombre != v::CvValv)
            continue;
        // Right after the coefficients, the two yes/no lines.
        escribir(salida, QStringLiteral("choked"), r.bloqueado ? si : no);
        if (r.regimen != v::Regimen::SinComprobar)
            escribir(salida, QStringLiteral("laminar"),
                     r.regimen == v::Regimen::Turbulento ? no : si);
    }
}

v::DatosValvula datosDe(bool gas, const QHash<QString, double> &x) {
    v::DatosValvula d;
    d.fluido = gas ? v::Fluido::Gas : v::Fluido::Liquido;
    const auto opcional = [&](const char *k) -> std::optional<double> {
        const auto it = x.constFind(QString::fromLatin1(k));
        return it == x.cend() ? std::nullopt : std::optional<double>(*it);
    };
    d.q = x.value(QStringLiteral("q"));
    d.p1 = x.value(QStringLiteral("p1"));
    d.p2 = x.value(QStringLiteral("p2"));
    d.viscosidad = x.value(QStringLiteral("viscosity"));
    d.densidad = x.value(QStringLiteral("density"));
    d.pv = x.value(QStringLiteral("psat"));
    d.pc = x.value(QStringLiteral("pc"));
    d.t = x.value(QStringLiteral("t"));
    d.m = x.value(QStringLiteral("mw"));
    d.gamma = x.value(QStringLiteral("gamma"));
    d.z = x.value(QStringLiteral("z"), 1.0);
    d.fl = x.value(QStringLiteral("fl"), d.fl);
    d.fd = x.value(QStringLiteral("fd"), d.fd);
    d.xt = x.value(QStringLiteral("xt"), d.xt);
    d.d = opcional("d");
    d.d1 = opcional("d1");
    d.d2 = opcional("d2");
    d.kvNominal = opcional("rated-kv");
    return d;
}

} // namespace

int comandoValve(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre,
        QStringLiteral("--liquid|--gas --q Q --p1 P --p2 P --viscosity MU [--density RHO --psat "
                       "P --pc P] [--t T --mw M --gamma K --z Z] [--fl FL] [--fd FD] [--xt XT] "
                       "[--d MM] [--d1 MM] [--d2 MM] [--rated-kv KV]"),
        QStringLiteral(
            "Sizes a control valve by IEC 60534-2-1 (ISA-75.01.01): the Kv and Cv a liquid or a\n"
            "gas needs, with choked flow, reducers (valve size d in pipes D1, D2) and the\n"
            "viscous correction. The liquid's flow is in m3/h at flowing conditions, the gas's\n"
            "in normal m3/h (0 ºC, 1.01325 bar a). One line per result: key, value and unit\n"
            "separated by tabs, values with a decimal point; a factor that does not apply has\n"
            "no line."));
    QCommandLineParser &parser = linea.parser;
    const QCommandLineOption liquido(QStringLiteral("liquid"),
                                     QStringLiteral("Size for a liquid."));
    const QCommandLineOption gas(QStringLiteral("gas"), QStringLiteral("Size for a gas."));
    parser.addOptions({liquido, gas});
    std::vector<std::unique_ptr<QCommandLineOption>> opciones;
    for (const Campo *c : entradasNumericas()) {
        opciones.push_back(
            std::make_unique<QCommandLineOption>(c->clave, descripcion(*c), c->clave.toUpper()));
        parser.addOption(*opciones.back());
    }
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;
    const auto usoIncorrecto = [&](const QString &mensaje) {
        return linea.usoIncorrecto(errores, mensaje);
    };
    if (parser.isSet(liquido) == parser.isSet(gas))
        return usoIncorrecto(QStringLiteral("give exactly one of --liquid and --gas"));
    const bool esGas = parser.isSet(gas);
    const QStringList &propias = esGas ? kGas : kLiquido;
    const QStringList &ajenas = esGas ? kLiquido : kGas;
    QHash<QString, double> valores;
    for (const auto &o : opciones) {
        const QString clave = o->names().constFirst();
        const bool requerida = kComunes.contains(clave) || propias.contains(clave);
        if (!parser.isSet(*o)) {
            if (requerida)
                return usoIncorrecto(QStringLiteral("missing option --%1").arg(clave));
            continue;
        }
        if (ajenas.contains(clave))
            return usoIncorrecto(
                QStringLiteral("--%1 is not an option of --%2")
                    .arg(clave, esGas ? QStringLiteral("gas") : QStringLiteral("liquid")));
        const std::optional<double> x = leerNumeroPunto(parser.value(*o));
        if (!x)
            return usoIncorrecto(
                QStringLiteral("--%1: '%2' is not a number").arg(clave, parser.value(*o)));
        valores.insert(clave, *x);
    }
    const v::Dimensionado r = v::dimensionar(datosDe(esGas, valores));
    if (const auto *e = std::get_if<v::ErrorValvula>(&r))
        return usoIncorrecto(e->mensaje.ingles);
    escribirResultado(salida, std::get<v::ResultadoValvula>(r));
    return linea.terminarSalida(salida, errores);
}

} // namespace vorlo::cli
