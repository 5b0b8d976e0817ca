#include "program_line.h"

#include "commands.h"
#include "results/results_file.h"

#include <QSet>

namespace vorlo::cli {

namespace {

// The windowing system's options that take a value (`-style fusion`, `-style=fusion`), then those
// that take none; Qt reads them with one dash or two.
const QSet<QString> &opcionesQtConValor() {
    static const QSet<QString> s = {
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
        QStringLiteral("qwindowicon"),     QStringLiteral("qwindowtitle"),
        QStringLiteral("title"),           QStringLiteral("session"),
        QStringLiteral("display"),         QStringLiteral("style"),
        QStringLiteral("stylesheet"),      QStringLiteral("name"),
        QStringLiteral("qmljsdebugger"),   QStringLiteral("qdevicepixelratio")};
    return s;
}
const QSet<QString> &opcionesQtSinValor() {
    static const QSet<QString> s = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                    QStringLiteral("nograb"),  QStringLiteral("dograb"),
                                    QStringLiteral("sync"),    QStringLiteral("testability")};
    return s;
}

// An option's name without its dashes and any "=value".
QString nombreOpcion(const QString &a) {
    QString n = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
    return n.left(n.indexOf(QLatin1Char('=')));
}

Arranque error(const QString &mensaje) {
    return {Arranque::Tipo::Error, {}, nullptr, mensaje};
}

// Help and version take nothing after them.
Arranque programa(const QStringList &argumentos) {
    const QString &primero = argumentos.first();
    const bool ayuda = primero == QLatin1String("-h") || primero == QLatin1String("--help") ||
                       primero == QLatin1String("--help-all");
    if (argumentos.size() > 1)
        return error(QStringLiteral("%1 takes no arguments, got '%2'")
                         .arg(primero, argumentos.mid(1).join(QStringLiteral("' '"))));
    return {ayuda ? Arranque::Tipo::Ayuda : Arranque::Tipo::Version, {}, nullptr, {}};
}

} // namespace

Arranque decidirArranque(const QStringList &argumentos) {
    if (argumentos.isEmpty())
        return {};
    const QString &primero = argumentos.first();
    if (const Comando *c = buscarComando(primero))
        return {Arranque::Tipo::Comando, {}, c, {}};
    if (primero == QLatin1String("-h") || primero == QLatin1String("--help") ||
        primero == QLatin1String("--help-all") || primero == QLatin1String("-v") ||
        primero == QLatin1String("--version"))
        return programa(argumentos);
    QStringList casos;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString &a = argumentos.at(i);
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            casos << a;
            continue;
        }
        const QString n = nombreOpcion(a);
        if (opcionesQtSinValor().contains(n))
            continue;
        if (!opcionesQtConValor().contains(n))
            return error(QStringLiteral("unknown option '%1'").arg(a));
        if (!a.contains(QLatin1Char('=')) && ++i >= argumentos.size())
            return error(QStringLiteral("option '%1' needs a value").arg(a));
    }
    if (casos.size() == 1 && casos.first() == primero && !resultados::nombraArchivoAbrible(primero))
        return error(QStringLiteral("unknown command '%1'").arg(primero));
    if (casos.size() > 1 || (casos.size() == 1 && !resultados::nombraArchivoAbrible(casos.first())))
        return error(QStringLiteral("one case file (.vorlo or .vrq) at most, got '%1'")
                         .arg(casos.join(QStringLiteral("' '"))));
    return {Arranque::Tipo::Ventanas, casos.value(0), nullptr, {}};
}

QString usoGeneral() {
    QString t = QStringLiteral(
        "Usage: vorlo [CASE.vorlo | RESULTS.vrq]\n"
        "       vorlo COMMAND [OPTIONS]\n"
        "Vorlo: pipe flow, pressure drop and gas density for process engineers.\n"
        "With no arguments it opens its windows; `vorlo CASE.vorlo` (or a .vrq results file)\n"
        "opens them with that case. Commands:\n");
    for (const Comando &c : comandos())
        t += QStringLiteral("  %1  %2\n").arg(c.nombre, -8).arg(c.resumen);
    t += QStringLiteral("`vorlo COMMAND --help` describes a command.\n\n"
                        "Options:\n"
                        "  -h, --help     This help.\n"
                        "  -v, --version  The version.\n");
    return t;
}

} // namespace vorlo::cli
