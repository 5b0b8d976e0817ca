#include "gaspipe_command.h"

#include "command_line.h"
#include "commands.h"
#include "gaspipe/gas_pipe_fields.h"
#include "gaspipe/gas_pipe_notes.h"
#include "gaspipe/gas_pipe_window.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <map>

namespace vorlo::cli {

namespace {

namespace g = vorlo::gasoducto;
namespace c = vorlo::gasoducto::campos;

const QString kNombre = QStringLiteral("gaspipe");
// What the line must have; the rest takes its default or is left out.
const QStringList kObligatorias = {c::EcuacionGasoducto, c::SGGasoducto, c::TGasoducto,
                                   c::ZGasoducto,        c::DGasoducto,  c::LGasoducto,
                                   c::P1Gasoducto};

// The inputs with a key, in the table's order: each one option.
QList<const Campo *> entradas() {
    QList<const Campo *> l;
    for (const Campo &f : c::tabla().campos())
        if (f.rol == Rol::Entrada && !f.clave.isEmpty())
            l << &f;
    return l;
}

// Every pressure on the command line is absolute: the key says which.
QString unidadLinea(const Campo &f) {
    QString u = f.unidad;
    if (u.endsWith(QLatin1String(" a")))
        u.chop(2);
    return u;
}

QString ayudaOpcion(const Campo &f) {
    if (f.nombre == c::EcuacionGasoducto) {
        QStringList claves;
        for (const Eleccion &e : f.elecciones)
            claves << e.clave;
        return QStringLiteral("The equation: %1.").arg(claves.join(QStringLiteral(", ")));
    }
    const QString u = unidadLinea(f);
    return u.isEmpty() ? f.rotulo.ingles + QLatin1Char('.')
                       : QStringLiteral("%1, %2.").arg(f.rotulo.ingles, u);
}

void escribirResultado(QTextStream &salida, const g::Resultado &r) {
    for (const Campo &f : c::tabla().campos()) {
        if (f.clave.isEmpty() || f.rol == Rol::Nota)
            continue;
        if (const std::optional<double> x = g::valorCampo(f.nombre, r))
            salida << f.clave << '\t' << numeroPunto(*x) << '\t' << unidadLinea(f) << '\n';
    }
}

} // namespace

int comandoGaspipe(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre,
        QStringLiteral("--equation E --sg SG --t T --z Z --d MM --l M --p1 P (--p2 P | --q Q) "
                       "[options]"),
        QStringLiteral(
            "Solves a gas pipeline for the standard flow (from --p2) or the outlet pressure (from\n"
            "--q) by the general flow equation, Weymouth, Panhandle A, Panhandle B or IGT, with\n"
            "the velocity, Mach number and API RP 14E erosional velocity at both ends. One line\n"
            "per result: key, value and unit separated by tabs, values with a decimal point.\n"
            "Warnings go to standard error."));
    std::map<QString, QCommandLineOption> opciones;
    for (const Campo *f : entradas()) {
        const QCommandLineOption o(f->clave, ayudaOpcion(*f), f->clave.toUpper());
        linea.parser.addOption(o);
        opciones.emplace(f->nombre, o);
    }
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;
    const auto usoIncorrecto = [&](const QString &m) { return linea.usoIncorrecto(errores, m); };

    CamposMapa campos;
    for (const Campo *f : entradas()) {
        const QCommandLineOption &o = opciones.at(f->nombre);
        if (!linea.parser.isSet(o)) {
            if (kObligatorias.contains(f->nombre))
                return usoIncorrecto(QStringLiteral("missing option --%1").arg(f->clave));
            continue;
        }
        const QString v = linea.parser.value(o);
        if (f->nombre == c::EcuacionGasoducto) {
            if (!c::ecuacionDe(v))
                return usoIncorrecto(
                    QStringLiteral("--equation: '%1' is not one of the equations").arg(v));
            campos.escribir(f->nombre, v);
        } else if (const auto x = leerNumeroPunto(v)) {
            campos.escribir(f->nombre, QString::number(*x, 'g', 17).replace('.', ','));
        } else {
            return usoIncorrecto(QStringLiteral("--%1: '%2' is not a number").arg(f->clave, v));
        }
    }
    std::optional<g::Entradas> e = g::leerEntradas(campos);
    // The line may give both or neither: the calculation says which is wrong.
    e->p2Bar = campos.valor(c::P2Gasoducto);
    e->qSm3h = campos.valor(c::QGasoducto);
    const g::Salidas s = g::calcular(*e);
    if (!s.resultado.valido())
        return usoIncorrecto(g::textoMotivo(s.resultado).ingles);
    escribirResultado(salida, s.resultado);
    if (const QString avisos = g::textoAvisos(s.resultado).ingles; !avisos.isEmpty())
        errores << "vorlo " << kNombre << ": warning: " << avisos << '\n';
    return linea.terminarSalida(salida, errores);
}

} // namespace vorlo::cli
