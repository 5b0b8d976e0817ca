#include "report_formats.h"

#include "report/report_presentation.h"

#include "cases/report_header.h"
#include "fields/numbers.h"
#include "fittings/fittings_fields.h"

#include "results/results_io.h"

namespace vorlo::informe {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// `numero`: whether the value is a quantity, whose number the fifth column repeats.
void lineaCsv(QString &out, const QString &campo, const QString &titulo, const QString &valor,
              const QString &unidad, bool numero = true) {
    out += valorCsv(campo) + QLatin1Char(',') + valorCsv(titulo) + QLatin1Char(',') +
           valorCsv(valor) + QLatin1Char(',') + valorCsv(unidad) + QLatin1Char(',') +
           (numero ? numeroCsv(valor) : QString()) + kCrLf;
}

// The header's texts a sheet files the rows under, then the other windows' rows, each named by
// its window's part of the case ("water.DensidadAgua"; by its caption where it has no control).
void lineasOtrasVentanas(QString &out, const Informe &inf) {
    for (const Campo &c : cabecera::tabla().campos())
        if (const QString t = inf.cabecera.texto(c.nombre); !t.isEmpty())
            lineaCsv(out, QStringLiteral("report.") + c.nombre, inf.palabra(c.rotulo), t, QString(),
                     false);
    for (const Anexo &a : inf.anexos)
        for (const Seccion &s : a.secciones)
            for (const Fila &f : s.filas) {
                const QString nombre = f.campo.isEmpty() ? f.titulo : f.campo;
                lineaCsv(out, a.clave.isEmpty() ? nombre : a.clave + QLatin1Char('.') + nombre,
                         f.titulo, f.valor, f.unidad, !f.nota);
            }
}

QString html(const QString &t) {
    return t.toHtmlEscaped();
}

} // namespace

QString valorCsv(const QString &valor) {
    if (!valor.contains(QLatin1Char(',')) && !valor.contains(QLatin1Char('"')) &&
        !valor.contains(QLatin1Char('\r')) && !valor.contains(QLatin1Char('\n')))
        return valor;
    QString v = valor;
    v.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

QString numeroCsv(const QString &valor) {
    const QString t = valor.trimmed();
    if (!leerNumero(t))
        return {};
    // The text is one leerNumero reads: [-]digits grouped by points[,digits][e[+-]digits].
    qsizetype fin = t.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (fin < 0)
        fin = t.size();
    QString mantisa = t.left(fin);
    const bool negativo = mantisa.startsWith(QLatin1Char('-'));
    if (negativo)
        mantisa.remove(0, 1);
    mantisa.remove(QLatin1Char('.'));
    const qsizetype coma = mantisa.indexOf(QLatin1Char(','));
    QString entero = coma < 0 ? mantisa : mantisa.left(coma);
    const QString fraccion = coma < 0 ? QString() : mantisa.mid(coma + 1);
    // Leading zeros are no digit of the value; one stays before the point.
    while (entero.size() > 1 && entero.startsWith(QLatin1Char('0')))
        entero.remove(0, 1);
    if (entero.isEmpty())
        entero = QStringLiteral("0");
    return (negativo ? QStringLiteral("-") : QString()) + entero +
           (fraccion.isEmpty() ? QString() : QLatin1Char('.') + fraccion) + t.mid(fin);
}

QByteArray csv(const Informe &inf) {
    QString out = QStringLiteral("field,caption,value,unit,value_number") + kCrLf;
    for (const Fila &f : inf.opciones)
        lineaCsv(out, f.campo, f.titulo, f.valor, f.unidad, false);
    for (const Fila &f : inf.filas())
        lineaCsv(out, f.campo, f.titulo, f.valor, f.unidad, !f.nota);
    if (inf.accesorios) {
        const ListaAccesorios &a = *inf.accesorios;
        lineaCsv(out, accesorios::Diametrillo, inf.palabra(palabras::Diametro), a.diametro,
                 QStringLiteral("mm"));
        lineaCsv(out, QStringLiteral("DiametroNominal"), inf.palabra(palabras::DiametroNominal),
                 a.nominal, QString(), false);
        lineaCsv(out, QStringLiteral("MetodoK"), inf.palabra(palabras::MetodoDeLosK), a.metodo,
                 QString(), false);
        if (!a.formula.isEmpty())
            lineaCsv(out, QStringLiteral("LabelMetodo"), inf.palabra(palabras::FormulaK), a.formula,
                     QString(), false);
        for (const ListaAccesorios::Linea &l : a.lineas) {
            const QString n = accesorios::Naccesorios(l.fila);
            const QString k = accesorios::k(l.fila);
            lineaCsv(out, n, l.titulo + QStringLiteral(" (") + inf.palabra(palabras::Uds) + ')',
                     l.unidades, QString());
            lineaCsv(out, k, l.titulo + QStringLiteral(" (K)"), l.k, QString());
            lineaCsv(out, n + QLatin1Char('*') + k,
                     l.titulo + QStringLiteral(" (") + inf.palabra(palabras::UdsPorK) + ')',
                     l.producto, QString());
        }
    }
    lineasOtrasVentanas(out, inf);
    return out.toUtf8();
}

QString celda(const QString &valor) {
    QString v = valor;
    for (QChar &c : v)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return v;
}

QString textoPlano(const Informe &original) {
    const Informe inf = presentado(original);
    QString out;
    const auto linea = [&out](const QStringList &celdas) {
        QStringList l;
        for (const QString &c : celdas)
            l << celda(c);
        out += l.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    if (!inf.modo.isEmpty())
        linea({inf.modo});
    for (const Seccion &s : inf.secciones) {
        linea({s.titulo});
        for (const Fila &f : s.filas)
            linea({f.titulo, f.valor, f.unidad});
    }
    if (inf.accesorios) {
        const ListaAccesorios &a = *inf.accesorios;
        linea({inf.palabra(palabras::Accesorios)});
        linea({inf.palabra(palabras::Diametro), a.diametro, QStringLiteral("mm")});
        linea({inf.palabra(palabras::DiametroNominal), a.nominal});
        QStringList metodo = {inf.palabra(palabras::MetodoDeLosK), a.metodo};
        if (!a.formula.isEmpty())
            metodo << a.formula;
        linea(metodo);
        linea({inf.palabra(palabras::Accesorio), inf.palabra(palabras::Uds), QStringLiteral("K"),
               inf.palabra(palabras::UdsPorK)});
        for (const ListaAccesorios::Linea &l : a.lineas)
            linea({l.titulo, l.unidades, l.k, l.producto});
    }
    return out;
}

QString tablaHtml(const Informe &original) {
    const Informe inf = presentado(original);
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n");
    if (!inf.modo.isEmpty())
        out += QStringLiteral("<p>%1</p>\n").arg(html(inf.modo));
    out += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    out += QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th></tr>\n")
               .arg(html(inf.palabra(palabras::Magnitud)), html(inf.palabra(palabras::Valor)),
                    html(inf.palabra(palabras::Unidad)));
    for (const Seccion &s : inf.secciones) {
        out += QStringLiteral("<tr><th colspan=\"3\" align=\"left\">%1</th></tr>\n")
                   .arg(html(s.titulo));
        for (const Fila &f : s.filas)
            out += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td>%3</td></tr>\n")
                       .arg(html(f.titulo), html(f.valor), html(f.unidad));
    }
    out += QStringLiteral("</table>\n");
    if (inf.accesorios) {
        const ListaAccesorios &a = *inf.accesorios;
        out += QStringLiteral("<p>%1: %2 mm; %3: %4</p>\n")
                   .arg(html(inf.palabra(palabras::Diametro)), html(a.diametro),
                        html(inf.palabra(palabras::DiametroNominal)), html(a.nominal));
        out += QStringLiteral("<p>%1: %2</p>\n")
                   .arg(html(inf.palabra(palabras::MetodoDeLosK)), html(a.metodoConFormula()));
        out += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
        out += QStringLiteral("<tr><th>%1</th><th>%2</th><th>K</th><th>%3</th></tr>\n")
                   .arg(html(inf.palabra(palabras::Accesorio)), html(inf.palabra(palabras::Uds)),
                        html(inf.palabra(palabras::UdsPorK)));
        for (const ListaAccesorios::Linea &l : a.lineas)
            out += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td "
                                  "align=\"right\">%3</td><td align=\"right\">%4</td></tr>\n")
                       .arg(html(l.titulo), html(l.unidades), html(l.k), html(l.producto));
        out += QStringLiteral("</table>\n");
    }
    out += QStringLiteral("</body></html>\n");
    return out;
}

std::optional<resultados::ErrorArchivo> guardarCsv(const QString &ruta, const Informe &inf) {
    return resultados::guardarBytes(ruta, csv(inf));
}

} // namespace vorlo::informe
