#include "report_html.h"

#include "report/report_presentation.h"

#include "cases/report_header.h"
#include "report/report_pdf.h"

namespace vorlo::informe {

namespace html {

QString h(const QString &t) {
    return t.toHtmlEscaped();
}

// Qt's rich text takes the look from attributes and inline styles more reliably than from a
// style sheet: headings there keep their built-in sizes and margins.
// A paragraph's top margin is lost after a table; an empty line of its own keeps the space.
QString espacio(double puntos) {
    return QStringLiteral("<p style=\"font-size: %1pt; margin: 0;\">&nbsp;</p>")
        .arg(QString::number(puntos));
}

QString titulo2(const QString &t) {
    return espacio(7) +
           QStringLiteral("<p style=\"font-size: 10pt; font-weight: bold; color: #1d3c52; "
                          "margin-top: 0; margin-bottom: 3pt;\">%1</p>")
               .arg(h(t));
}

QString parrafoPequeno(const QString &t) {
    return QStringLiteral("<p style=\"font-size: 8pt; color: #4a5560; margin-top: 2pt; "
                          "margin-bottom: 0;\">%1</p>")
        .arg(t);
}

} // namespace html

namespace {

using namespace html;

const QString kAzul = QStringLiteral("#e5f6fc"); // the window's light blue, paler on paper
const QString kRaya = QStringLiteral("#b9c2c8");
const QString kTinta = QStringLiteral("#1d3c52");

// A table with lines under every row; `derecha` marks the columns aligned right (numbers).
QString tabla(const QStringList &cabeceras, const QList<int> &anchos, const QList<bool> &derecha,
              const QString &filas) {
    QString t = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" "
                               "style=\"border-collapse: collapse;\"><thead><tr>");
    for (int i = 0; i < cabeceras.size(); ++i)
        t += QStringLiteral("<th width=\"%1%\" align=\"%2\" style=\"color: #1d3c52; "
                            "border-bottom: 1px solid #1d3c52; padding: 2px 4px 2px %3px;\">%4"
                            "</th>")
                 .arg(QString::number(anchos.value(i)),
                      derecha.value(i) ? QStringLiteral("right") : QStringLiteral("left"),
                      QString::number(i == 2 && cabeceras.size() == 3 ? 10 : 4), h(cabeceras[i]));
    return t + QStringLiteral("</tr></thead>") + filas + QStringLiteral("</table>");
}

QString celda(const QString &contenido, bool derecha = false, const QString &extra = QString(),
              int izquierda = 4) {
    return QStringLiteral("<td align=\"%1\" style=\"border-bottom: 1px solid %2; padding: 2px "
                          "4px 2px %3px;\"%4>%5</td>")
        .arg(derecha ? QStringLiteral("right") : QStringLiteral("left"), kRaya,
             QString::number(izquierda), extra, contenido);
}

QString filaMagnitud(const Fila &f) {
    QString r =
        f.calculado ? QStringLiteral("<tr bgcolor=\"%1\">").arg(kAzul) : QStringLiteral("<tr>");
    r += celda(h(f.titulo));
    if (f.nota)
        r += celda(QStringLiteral("<i>%1</i>").arg(h(f.valorNota())), false,
                   QStringLiteral(" colspan=\"2\""));
    else
        r += celda(h(f.valorNota()), true) + celda(h(f.unidad), false, QString(), 10);
    return r + QStringLiteral("</tr>");
}

// The header's block: the project and line, the revision and date, who prepared and checked
// the note, with room to sign; the remarks under it.
QString bloqueCabecera(const Informe &inf) {
    const TablaCampos &t = cabecera::tabla();
    const auto par = [&](const QString &rotulo, const QString &valor, bool ancho = false) {
        return QStringLiteral("<td width=\"17%\" style=\"color: #4a5560; padding: 3px 6px; "
                              "border: 1px solid %1;\">%2</td><td width=\"%3%\" style=\"padding: "
                              "3px 6px; border: 1px solid %1;\"%4><b>%5</b></td>")
            .arg(kRaya, h(rotulo), ancho ? QStringLiteral("83") : QStringLiteral("33"),
                 ancho ? QStringLiteral(" colspan=\"3\"") : QString(), valor);
    };
    const auto campo = [&](const QString &n) {
        return par(inf.palabra(t.campo(n)->rotulo), h(inf.cabecera.texto(n).trimmed()));
    };
    QString b = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" "
                               "style=\"border-collapse: collapse;\">");
    b += QStringLiteral("<tr>") + campo(cabecera::Proyecto) + campo(cabecera::Linea) +
         QStringLiteral("</tr><tr>") + campo(cabecera::Revision) +
         par(inf.palabra(palabras::Fecha),
             h(inf.fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm")))) +
         QStringLiteral("</tr><tr>") + campo(cabecera::Preparado) + campo(cabecera::Revisado) +
         QStringLiteral("</tr><tr>") + par(inf.palabra(palabras::Firma), QStringLiteral("&nbsp;")) +
         par(inf.palabra(palabras::Firma), QStringLiteral("&nbsp;")) + QStringLiteral("</tr>");
    const QString observaciones = inf.cabecera.texto(cabecera::Observaciones).trimmed();
    if (!observaciones.isEmpty())
        b += QStringLiteral("<tr>") +
             par(inf.palabra(t.campo(cabecera::Observaciones)->rotulo),
                 h(observaciones).replace(u'\n', QStringLiteral("<br>")), true) +
             QStringLiteral("</tr>");
    return b + QStringLiteral("</table>");
}

// Title block: what the note is, for what, when and with what it was made, and the case.
QString bloqueTitulo(const Informe &inf) {
    QString d = QStringLiteral("<p style=\"font-size: 16pt; font-weight: bold; "
                               "margin-bottom: 1pt;\">%1</p>")
                    .arg(h(inf.palabra(palabras::NotaDeCalculo)));
    d += QStringLiteral("<p style=\"font-size: 9pt; color: %1; margin-top: 0; "
                        "margin-bottom: 6pt;\">%2</p>")
             .arg(kTinta, h(inf.titulo));
    d += bloqueCabecera(inf) + espacio(4);
    d += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" "
                        "style=\"border-collapse: collapse;\">");
    const auto meta = [&d](const QString &clave, const QString &valor) {
        d += QStringLiteral("<tr bgcolor=\"#f1f3f5\"><td width=\"14%\" style=\"color: "
                            "#4a5560; padding-left: 6px;\">%1</td><td>%2</td></tr>")
                 .arg(h(clave), valor);
    };
    QStringList caso;
    for (const QString &c : inf.caso)
        caso << h(c);
    meta(inf.palabra(palabras::Caso), caso.join(QStringLiteral("<br>")));
    return d + QStringLiteral("</table>");
}

QString secciones(const Informe &inf, const QList<Seccion> &lista) {
    const QStringList cabeceras = {inf.palabra(palabras::Magnitud), inf.palabra(palabras::Valor),
                                   inf.palabra(palabras::Unidad)};
    QString d;
    for (const Seccion &s : lista) {
        if (s.filas.isEmpty())
            continue;
        QString filas;
        for (const Fila &f : s.filas)
            filas += filaMagnitud(f);
        d += titulo2(s.titulo);
        d += tabla(cabeceras, {50, 32, 18}, {false, true, false}, filas);
    }
    return d;
}

QString accesorios(const Informe &inf) {
    const ListaAccesorios &a = *inf.accesorios;
    QString d = titulo2(inf.palabra(palabras::Accesorios));
    d += QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 4pt;\">%1: %2 mm "
                        "&nbsp;&middot;&nbsp; %3: %4</p>")
             .arg(h(inf.palabra(palabras::Diametro)), h(conCero(a.diametro)),
                  h(inf.palabra(palabras::DiametroNominal)),
                  h(a.nominal.isEmpty() ? QStringLiteral("—") : a.nominal));
    d += QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 4pt;\">%1: %2</p>")
             .arg(h(inf.palabra(palabras::MetodoDeLosK)), h(a.metodoConFormula()));
    QString filas;
    for (const ListaAccesorios::Linea &l : a.lineas)
        filas += QStringLiteral("<tr>") + celda(h(l.titulo)) + celda(h(conCero(l.unidades)), true) +
                 celda(h(conCero(l.k)), true) + celda(h(conCero(l.producto)), true) +
                 QStringLiteral("</tr>");
    filas += QStringLiteral("<tr><td><b>%1</b></td><td></td><td></td>"
                            "<td align=\"right\"><b>%2</b></td></tr>")
                 .arg(h(inf.palabra(palabras::KTotal)), h(conCero(a.ktotal)));
    return d + tabla({inf.palabra(palabras::Accesorio), inf.palabra(palabras::Uds),
                      QStringLiteral("K"), inf.palabra(palabras::UdsPorK)},
                     {58, 12, 14, 16}, {false, true, true, true}, filas);
}

QString tablaPasos(const QList<Paso> &pasos);

// Another window's results: its heading, its case, its tables, and how they follow from its
// inputs.
QString anexos(const Informe &inf) {
    QString d;
    for (const Anexo &a : inf.anexos) {
        d += espacio(6) + QStringLiteral("<p style=\"font-size: 11pt; font-weight: bold; color: "
                                         "%1; margin: 0;\">%2</p>")
                              .arg(kTinta, h(a.titulo));
        for (const QString &c : a.caso)
            d += parrafoPequeno(h(c));
        d += secciones(inf, a.secciones);
        if (a.grafico)
            d += QStringLiteral("<p style=\"margin: 0;\">%1</p>").arg(html::kMarcaGraficoAnexo);
        if (!a.metodo.isEmpty())
            d += espacio(3) + tablaPasos(a.metodo);
    }
    return d;
}

QString avisos(const Informe &inf) {
    QString d = titulo2(inf.palabra(palabras::Avisos));
    d += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"5\" "
                        "bgcolor=\"#fdf0ef\">");
    for (const QString &a : inf.avisos)
        d += QStringLiteral("<tr><td style=\"color: #9b1c1c;\">&#9888;&nbsp; %1</td></tr>")
                 .arg(h(a));
    return d + QStringLiteral("</table>");
}

// Each step: its name, the equation with the numbers and the result, the rule it follows.
QString tablaPasos(const QList<Paso> &pasos) {
    QString d = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" "
                               "style=\"border-collapse: collapse;\">");
    for (const Paso &p : pasos) {
        QString contenido = QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono', "
                                           "monospace;\">%1</span>")
                                .arg(h(p.linea()));
        if (!p.nota.isEmpty())
            contenido += QStringLiteral("<br><span style=\"font-size: 7.5pt; color: #4a5560;\">"
                                        "%1</span>")
                             .arg(h(p.nota));
        d += QStringLiteral("<tr>") + celda(QStringLiteral("<b>%1</b>").arg(h(p.titulo))) +
             celda(contenido) + QStringLiteral("</tr>");
    }
    return d + QStringLiteral("</table>");
}

QString metodo(const Informe &inf) {
    QString d = QStringLiteral("<p style=\"page-break-before: always; font-size: 12pt; "
                               "font-weight: bold; color: %1; margin: 0 0 2pt 0;\">%2</p>")
                    .arg(kTinta, h(inf.palabra(palabras::Metodo)));
    d += parrafoPequeno(h(inf.modo) + QStringLiteral(". ") + h(inf.palabra(palabras::MetodoNota)));
    d += espacio(3);
    return d + tablaPasos(inf.metodo);
}

} // namespace

QString html::tituloGrafico(const Informe &inf) {
    return titulo2(inf.palabra(palabras::DiagramaMoody)) +
           parrafoPequeno(h(inf.palabra(palabras::DiagramaMoodyNota)));
}

QString documentoHtml(const Informe &original) {
    const Informe inf = presentado(original);
    QString d = bloqueTitulo(inf) + secciones(inf, inf.secciones);
    if (inf.accesorios)
        d += accesorios(inf);
    d += anexos(inf);
    if (!inf.avisos.isEmpty())
        d += avisos(inf);
    if (!inf.notas.isEmpty()) {
        d += titulo2(inf.palabra(palabras::Notas));
        for (const QString &n : inf.notas)
            d += parrafoPequeno(h(n));
    }
    if (!inf.metodo.isEmpty())
        d += metodo(inf);
    // The chart's heading is drawn with it, so that the two never part at a page's end.
    if (inf.grafico)
        d += QStringLiteral("<p style=\"margin: 0;\">%1</p>").arg(kMarcaGrafico);
    return d;
}

} // namespace vorlo::informe
