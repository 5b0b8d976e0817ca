#include "pipes_command.h"

#include "command_line.h"
#include "commands.h"
#include "pipes/pipe_sizes.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace vorlo::cli {

namespace {

const QString kNombre = QStringLiteral("pipes");

QString milimetros(double x) {
    return QString::number(x, 'f', 2);
}

QStringList nombresDeNormas() {
    QStringList nombres;
    for (NormaTuberia n : normasTuberia())
        nombres << nombreNorma(n);
    return nombres;
}

void escribirCsv(QTextStream &salida, const QList<TuberiaNormalizada> &filas) {
    salida << "standard,nps,dn,schedule,od_mm,wall_mm,id_mm\n";
    for (const TuberiaNormalizada &t : filas)
        salida << nombreNorma(t.norma) << ',' << npsCsv(t.nps) << ',' << t.dn << ',' << t.cedula
               << ',' << milimetros(t.exterior) << ',' << milimetros(t.espesor) << ','
               << milimetros(t.interior) << '\n';
}

// Text columns to the left, numbers to the right, two spaces between columns.
void escribirTabla(QTextStream &salida, const QList<TuberiaNormalizada> &filas) {
    const QStringList cabecera = {QStringLiteral("Standard"), QStringLiteral("NPS"),
                                  QStringLiteral("DN"),       QStringLiteral("Schedule"),
                                  QStringLiteral("OD mm"),    QStringLiteral("Wall mm"),
                                  QStringLiteral("ID mm")};
    const QList<bool> aLaDerecha = {false, true, true, false, true, true, true};
    QList<QStringList> celdas = {cabecera};
    for (const TuberiaNormalizada &t : filas)
        celdas.append({nombreNorma(t.norma), textoNps(t.nps), QString::number(t.dn), t.cedula,
                       milimetros(t.exterior), milimetros(t.espesor), milimetros(t.interior)});
    QList<qsizetype> anchos(cabecera.size(), 0);
    for (const QStringList &fila : celdas)
        for (qsizetype c = 0; c < fila.size(); ++c)
            anchos[c] = std::max(anchos[c], fila.at(c).size());
    for (const QStringList &fila : celdas) {
        QString linea;
        for (qsizetype c = 0; c < fila.size(); ++c) {
            if (c > 0)
                linea += QStringLiteral("  ");
            const int ancho = int(anchos.at(c));
            linea += aLaDerecha.at(c) ? fila.at(c).rightJustified(ancho)
                                      : fila.at(c).leftJustified(ancho);
        }
        salida << linea.trimmed() << '\n';
    }
}

} // namespace

QString npsCsv(double nps) {
    return nps > 0 ? QString::number(nps, 'g', 10) : QString();
}

int comandoPipes(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre, QStringLiteral("[--standard <text>] [--csv]"),
        QStringLiteral("Prints the standard pipe sizes: outside diameter, wall thickness and "
                       "inside\ndiameter in mm of every size and schedule of %1.")
            .arg(nombresDeNormas().join(QStringLiteral(", "))));
    QCommandLineParser &parser = linea.parser;
    const QCommandLineOption norma(
        QStringLiteral("standard"),
        QStringLiteral("Only the standards whose name begins with <text>, in any case "
                       "(\"ASME B36.10M\", \"EN 10255\", \"asme\")."),
        QStringLiteral("text"));
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        QStringLiteral("CSV with the header standard,nps,dn,schedule,od_mm,wall_mm,id_mm: "
                       "decimal points, NPS in decimal inches (empty for EN rows)."));
    parser.addOptions({norma, csv});
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;

    QList<NormaTuberia> elegidas;
    const QString prefijo = parser.value(norma);
    for (NormaTuberia n : normasTuberia())
        if (!parser.isSet(norma) || nombreNorma(n).startsWith(prefijo, Qt::CaseInsensitive))
            elegidas << n;
    if (elegidas.isEmpty())
        return linea.usoIncorrecto(
            errores, QStringLiteral("no standard begins with '%1'; the standards are %2")
                         .arg(prefijo, nombresDeNormas().join(QStringLiteral(", "))));

    QList<TuberiaNormalizada> filas;
    for (const TuberiaNormalizada &t : catalogoTuberias())
        if (elegidas.contains(t.norma))
            filas << t;
    if (parser.isSet(csv))
        escribirCsv(salida, filas);
    else
        escribirTabla(salida, filas);
    if (const int codigo = linea.terminarSalida(salida, errores); codigo != Hecho)
        return codigo;
    return Hecho;
}

} // namespace vorlo::cli
