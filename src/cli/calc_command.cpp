#include "case_commands.h"
#include "case_loading.h"
#include "commands.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_checks.h"
#include "report/report.h"
#include "report/report_formats.h"

#include <QHash>
#include <QTextStream>
#include <algorithm>

namespace vorlo::cli {

namespace {

const QString kUso = QStringLiteral(
    "Usage: vorlo calc CASE [--lang es|en] [--exact|--defined]\n"
    "       vorlo calc CASE... --csv [--lang es|en] [--exact|--defined]\n"
    "Opens CASE, a case (.vorlo) or a results file (.vrq), as File > Open does, settles the\n"
    "pipe flow calculation as the window does, and prints one line per field the window shows:\n"
    "its name, its text as the window shows it and its unit, separated by tabs. The first line\n"
    "states how the results were computed. Fields the window hides are left out: the viscosity\n"
    "not chosen and, in gases mode, the length, the elevation and the totals over the length.\n"
    "--csv prints one CSV table for one or more files: the header file,CheckExacto and the\n"
    "names of the fields shown in any row, each quantity followed by NAME_number [UNIT], then\n"
    "one row per file with the values as the window shows them and each quantity again with a\n"
    "decimal point and no grouping (empty where that file's window hides the field). A file\n"
    "that cannot be read gets its message on standard error; the others are still printed.\n"
    "--lang chooses the language of the notes (default: en). --exact computes every result\n"
    "from the exact Colebrook friction factor and unrounded values, --defined in the defined\n"
    "mode; without either a case keeps the mode it was saved in, and a results file takes the\n"
    "defined mode.\n"
    "Exit codes: 0 done, 2 wrong usage, 3 a case cannot be read, 4 the output cannot be\n"
    "written.\n");

using Ventana = resultados::VentanaTuberiaSimulada;

QString modo(const Ventana &v, const QString &idioma) {
    QString m = friccion::textoModo(v.opcion(tuberia::CheckExacto)).en(idioma);
    // Laminar flow takes no Colebrook factor in either mode.
    if (friccion::laminar(v))
        m += segunIdioma(idioma, QStringLiteral("; flujo laminar: f = 64/Re"),
                         QStringLiteral("; laminar flow: f = 64/Re"));
    return m;
}

// A field's text as calc prints it: a note without the window's indent.
QString textoImpreso(const Ventana &v, const Campo &campo) {
    const QString t = v.texto(campo.nombre);
    return campo.rol == Rol::Nota ? t.trimmed() : t;
}

void imprimirCampos(QTextStream &salida, const Ventana &v, const QString &idioma) {
    // The mode first, then the fields the window shows; a note without the window's indent.
    salida << tuberia::CheckExacto << '\t' << modo(v, idioma) << "\t\n";
    for (const Campo &campo : tuberia::campos().campos())
        if (resultados::visibleEnVentana(campo, v))
            salida << campo.nombre << '\t' << informe::celda(textoImpreso(v, campo)) << '\t'
                   << campo.unidad << '\n';
    // What the window's help line would say about the inputs.
    if (const auto aviso = tuberia::avisoEntradas(v))
        salida << "warning\t" << informe::celda(aviso->texto.en(idioma)) << "\t\n";
}

// One case of the CSV: its file as named, its mode and the texts of the fields it shows.
struct FilaCsv {
    QString archivo;
    QString modo;
    QHash<QString, QString> valores;
};

FilaCsv filaCsv(const QString &archivo, const Ventana &v, const QString &idioma) {
    FilaCsv f{archivo, modo(v, idioma), {}};
    for (const Campo &campo : tuberia::campos().campos())
        if (resultados::visibleEnVentana(campo, v))
            f.valores.insert(campo.nombre, textoImpreso(v, campo));
    return f;
}

// The fields shown in any row, in the window's order.
QStringList columnas(const QList<FilaCsv> &filas) {
    QStringList l;
    for (const Campo &campo : tuberia::campos().campos())
        if (std::any_of(filas.cbegin(), filas.cend(),
                        [&campo](const FilaCsv &f) { return f.valores.contains(campo.nombre); }))
            l << campo.nombre;
    return l;
}

// Whether a field holds a quantity, which gets a column of its own with a decimal point: a
// reader takes "124.261" for 124,261 and cannot read "3.700.541" at all.
bool esCantidad(const Campo &campo) {
    return campo.rol != Rol::Nota && !campo.tiene(EsTexto);
}

void imprimirCsv(QTextStream &salida, const QList<FilaCsv> &filas) {
    if (filas.isEmpty())
        return;
    const QStringList nombres = columnas(filas);
    const TablaCampos &tabla = tuberia::campos();
    salida << "file," << tuberia::CheckExacto;
    for (const QString &n : nombres) {
        salida << ',' << n;
        if (const Campo *c = tabla.campo(n); c && esCantidad(*c))
            salida << ','
                   << informe::valorCsv(n + QStringLiteral("_number") +
                                        (c->unidad.isEmpty()
                                             ? QString()
                                             : QStringLiteral(" [%1]").arg(c->unidad)));
    }
    salida << '\n';
    for (const FilaCsv &f : filas) {
        salida << informe::valorCsv(f.archivo) << ',' << informe::valorCsv(f.modo);
        for (const QString &n : nombres) {
            const QString valor = f.valores.value(n);
            salida << ',' << informe::valorCsv(valor);
            if (const Campo *c = tabla.campo(n); c && esCantidad(*c))
                salida << ',' << informe::valorCsv(informe::numeroCsv(valor));
        }
        salida << '\n';
    }
}

int terminar(QTextStream &salida, QTextStream &errores, int codigo) {
    salida.flush();
    if (salida.status() == QTextStream::Ok)
        return codigo;
    errores << "vorlo calc: the output cannot be written\n";
    return SalidaImposible;
}

int calcCsv(const LineaCaso &l, QTextStream &salida, QTextStream &errores) {
    QList<FilaCsv> filas;
    int codigo = Hecho;
    for (const QString &ruta : l.casos) {
        auto caso = abrirCaso(ruta, l.idioma, l.modo());
        if (const auto *m = std::get_if<QString>(&caso)) {
            errores << QStringLiteral("vorlo calc: %1\n").arg(*m);
            codigo = CasoIlegible;
            continue;
        }
        filas << filaCsv(ruta, *std::get<0>(caso), l.idioma);
    }
    imprimirCsv(salida, filas);
    return terminar(salida, errores, codigo);
}

} // namespace

int comandoCalc(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    const auto linea = leerLinea(argumentos, false);
    if (const auto *m = std::get_if<QString>(&linea))
        return usoIncorrecto(errores, QStringLiteral("calc"), *m, kUso);
    const LineaCaso &l = std::get<LineaCaso>(linea);
    if (l.ayuda) {
        salida << kUso;
        return Hecho;
    }
    if (l.csv)
        return calcCsv(l, salida, errores);
    auto caso = abrirCaso(l.caso, l.idioma, l.modo());
    if (const auto *m = std::get_if<QString>(&caso)) {
        errores << QStringLiteral("vorlo calc: %1\n").arg(*m);
        return CasoIlegible;
    }
    imprimirCampos(salida, *std::get<0>(caso), l.idioma);
    return terminar(salida, errores, Hecho);
}

} // namespace vorlo::cli
