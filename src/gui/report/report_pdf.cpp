#include "report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace vorlo::informe {

namespace {

// Page geometry in millimetres.
constexpr double kMargenIzquierdo = 20;
constexpr double kMargenDerecho = 18;
constexpr double kMargenSuperior = 26; // below the header
constexpr double kMargenInferior = 22; // above the footer
constexpr double kCabecera = 12;       // baseline of the header text from the top edge
constexpr double kPie = 12;            // baseline of the footer text from the bottom edge

const QString kAzul = QStringLiteral("#e5f6fc"); // the window's light blue, paler on paper
const QString kRaya = QStringLiteral("#b9c2c8");

QString h(const QString &t) {
    return t.toHtmlEscaped();
}

QFont fuente(double puntos, bool negrita = false) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
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

// A table with lines under every row; `derecha` marks the columns aligned right (numbers).
QString tabla(const QStringList &cabeceras, const QList<int> &anchos, const QList<bool> &derecha,
              const QString &filas) {
    QString t = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" "
                               "style=\"border-collapse: collapse;\"><thead><tr>");
    for (int i = 0; i < cabeceras.size(); ++i)
        t += QStringLiteral("<th width=\"%1%\" align=\"%2\" style=\"color: #1d3c52; "
                            "border-bottom: 1px solid #1d3c52; padding: 3px 4px 3px %3px;\">%4"
                            "</th>")
                 .arg(QString::number(anchos.value(i)),
                      derecha.value(i) ? QStringLiteral("right") : QStringLiteral("left"),
                      QString::number(i == 2 && cabeceras.size() == 3 ? 10 : 4), h(cabeceras[i]));
    return t + QStringLiteral("</tr></thead>") + filas + QStringLiteral("</table>");
}

QString celda(const QString &contenido, bool derecha = false, const QString &extra = QString(),
              int izquierda = 4) {
    return QStringLiteral("<td align=\"%1\" style=\"border-bottom: 1px solid %2; padding: 3px "
                          "4px 3px %3px;\"%4>%5</td>")
        .arg(derecha ? QStringLiteral("right") : QStringLiteral("left"), kRaya,
             QString::number(izquierda), extra, contenido);
}

QString filaMagnitud(const Fila &f) {
    QString r =
        f.calculado ? QStringLiteral("<tr bgcolor=\"%1\">").arg(kAzul) : QStringLiteral("<tr>");
    r += celda(h(f.titulo));
    if (f.nota)
        r += celda(QStringLiteral("<i>%1</i>").arg(h(f.valor.trimmed())), false,
                   QStringLiteral(" colspan=\"2\""));
    else
        r += celda(h(f.valor), true) + celda(h(f.unidad), false, QString(), 10);
    return r + QStringLiteral("</tr>");
}

QString parrafoPequeno(const QString &t, const QString &color = QStringLiteral("#4a5560")) {
    return QStringLiteral("<p style=\"font-size: 8pt; color: %1; margin-top: 2pt; "
                          "margin-bottom: 0;\">%2</p>")
        .arg(color, t);
}

} // namespace

QString documentoHtml(const Informe &inf) {
    QString d;
    // Title block: what the note is, when and with what it was made, and the case.
    d += QStringLiteral("<p style=\"font-size: 16pt; font-weight: bold; margin-bottom: 1pt;\">"
                        "%1</p>")
             .arg(h(inf.palabra(palabras::NotaDeCalculo)));
    d += QStringLiteral("<p style=\"font-size: 9pt; color: #1d3c52; margin-top: 0; "
                        "margin-bottom: 8pt;\">%1</p>")
             .arg(h(inf.titulo));
    d += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" "
                        "style=\"border-collapse: collapse;\">");
    const auto meta = [&d](const QString &clave, const QString &valor) {
        d += QStringLiteral("<tr bgcolor=\"#f1f3f5\"><td width=\"16%\" style=\"color: "
                            "#4a5560; padding-left: 6px;\">%1</td><td>%2</td></tr>")
                 .arg(h(clave), valor);
    };
    meta(inf.palabra(palabras::Fecha), h(inf.fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    meta(inf.palabra(palabras::Programa), h(inf.programa + QLatin1Char(' ') + inf.version));
    QStringList caso;
    for (const QString &c : inf.caso)
        caso << h(c);
    meta(inf.palabra(palabras::Caso), caso.join(QStringLiteral("<br>")));
    d += QStringLiteral("</table>");

    const QStringList cabeceras = {inf.palabra(palabras::Magnitud), inf.palabra(palabras::Valor),
                                   inf.palabra(palabras::Unidad)};
    for (const Seccion &s : inf.secciones) {
        if (s.filas.isEmpty())
            continue;
        QString filas;
        for (const Fila &f : s.filas)
            filas += filaMagnitud(f);
        d += titulo2(s.titulo);
        d += tabla(cabeceras, {50, 32, 18}, {false, true, false}, filas);
    }

    if (inf.accesorios) {
        const ListaAccesorios &a = *inf.accesorios;
        d += titulo2(inf.palabra(palabras::Accesorios));
        d += QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 4pt;\">%1: %2 mm "
                            "&nbsp;&middot;&nbsp; %3: %4</p>")
                 .arg(h(inf.palabra(palabras::Diametro)), h(a.diametro),
                      h(inf.palabra(palabras::DiametroNominal)),
                      h(a.nominal.isEmpty() ? QStringLiteral("—") : a.nominal));
        d += QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 4pt;\">%1: %2</p>")
                 .arg(h(inf.palabra(palabras::MetodoDeLosK)), h(a.metodoConFormula()));
        QString filas;
        for (const ListaAccesorios::Linea &l : a.lineas)
            filas += QStringLiteral("<tr>") + celda(h(l.titulo)) + celda(h(l.unidades), true) +
                     celda(h(l.k), true) + celda(h(l.producto), true) + QStringLiteral("</tr>");
        filas += QStringLiteral("<tr><td><b>%1</b></td><td></td><td></td>"
                                "<td align=\"right\"><b>%2</b></td></tr>")
                     .arg(h(inf.palabra(palabras::KTotal)), h(a.ktotal));
        d += tabla({inf.palabra(palabras::Accesorio), inf.palabra(palabras::Uds),
                    QStringLiteral("K"), inf.palabra(palabras::UdsPorK)},
                   {58, 12, 14, 16}, {false, true, true, true}, filas);
    }

    if (!inf.avisos.isEmpty()) {
        d += titulo2(inf.palabra(palabras::Avisos));
        d += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"5\" "
                            "bgcolor=\"#fdf0ef\">");
        for (const QString &a : inf.avisos)
            d += QStringLiteral("<tr><td style=\"color: #9b1c1c;\">&#9888;&nbsp; %1</td></tr>")
                     .arg(h(a));
        d += QStringLiteral("</table>");
    }

    if (!inf.notas.isEmpty()) {
        d += titulo2(inf.palabra(palabras::Notas));
        for (const QString &n : inf.notas)
            d += parrafoPequeno(h(n));
    }
    return d;
}

int dibujarInforme(QPagedPaintDevice &dispositivo, const Informe &inf) {
    const double ppp = dispositivo.logicalDpiY();
    const auto mm = [ppp](double v) { return v * ppp / 25.4; };
    const QRectF pagina(0, 0, dispositivo.width(), dispositivo.height());
    const QRectF cuerpo = pagina.adjusted(mm(kMargenIzquierdo), mm(kMargenSuperior),
                                          -mm(kMargenDerecho), -mm(kMargenInferior));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&dispositivo);
    doc.setDefaultFont(fuente(9));
    doc.setDocumentMargin(0);
    doc.setHtml(documentoHtml(inf));
    doc.setPageSize(cuerpo.size());
    const int paginas = doc.pageCount();

    QPainter p(&dispositivo);
    const QString cabeceraIzquierda =
        inf.programa + QStringLiteral(" · ") + inf.palabra(palabras::NotaDeCalculo);
    const QString fecha = inf.fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString version = inf.programa + QLatin1Char(' ') + inf.version;
    const QFont pequena = fuente(7.5);
    const QPen raya(QColor(0x1d, 0x3c, 0x52), mm(0.25));
    const double izquierda = cuerpo.left();
    const double derecha = cuerpo.right();
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            dispositivo.newPage();
        p.setFont(pequena);
        p.setPen(QColor(0x4a, 0x55, 0x60));
        const double yCab = mm(kCabecera);
        const QRectF lineaCab(izquierda, yCab - mm(5), derecha - izquierda, mm(5));
        p.drawText(lineaCab, Qt::AlignLeft | Qt::AlignBottom, cabeceraIzquierda);
        p.drawText(lineaCab, Qt::AlignRight | Qt::AlignBottom, fecha);
        const double yPie = pagina.height() - mm(kPie);
        const QRectF lineaPie(izquierda, yPie, derecha - izquierda, mm(5));
        p.drawText(lineaPie, Qt::AlignLeft | Qt::AlignTop, version);
        p.drawText(lineaPie, Qt::AlignRight | Qt::AlignTop,
                   inf.palabra(palabras::Pagina).arg(i + 1).arg(paginas));
        p.setPen(raya);
        p.drawLine(QPointF(izquierda, yCab + mm(1.5)), QPointF(derecha, yCab + mm(1.5)));
        p.drawLine(QPointF(izquierda, yPie - mm(1.5)), QPointF(derecha, yPie - mm(1.5)));

        p.save();
        p.translate(cuerpo.left(), cuerpo.top() - i * cuerpo.height());
        doc.drawContents(&p, QRectF(0, i * cuerpo.height(), cuerpo.width(), cuerpo.height()));
        p.restore();
    }
    return paginas;
}

QByteArray informePdf(const Informe &inf) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        pdf.setTitle(inf.palabra(palabras::NotaDeCalculo) + QStringLiteral(" - ") + inf.titulo);
        pdf.setCreator(inf.programa + QLatin1Char(' ') + inf.version);
        dibujarInforme(pdf, inf);
    }
    return buffer.data();
}

} // namespace vorlo::informe
