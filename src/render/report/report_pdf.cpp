#include "report_pdf.h"

#include "moody/moody_draw.h"
#include "report/annex_chart.h"
#include "report/report_html.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace vorlo::informe {

namespace {

// Page geometry in millimetres.
constexpr double kMargenIzquierdo = 20;
constexpr double kMargenDerecho = 18;
constexpr double kMargenSuperior = 26; // below the header
constexpr double kMargenInferior = 22; // above the footer
constexpr double kCabecera = 12;       // baseline of the header text from the top edge
constexpr double kPie = 12;            // baseline of the footer text from the bottom edge
// The chart's height against the body's width.
constexpr double kProporcionGrafico = 0.6;
// The text format's object type of the Moody chart inside the document.
constexpr int kObjetoMoody = QTextFormat::UserObject + 1;
// Another window's chart, and the property that says which.
constexpr int kObjetoAnexo = QTextFormat::UserObject + 2;
constexpr int kIndiceAnexo = QTextFormat::UserProperty + 1;
// Its height against the body's width: lower than the Moody chart's, a curve or two.
constexpr double kProporcionAnexo = 0.48;

QFont fuente(double puntos, bool negrita = false) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

// The Moody chart as an object of the document: as wide as the body, drawn as vectors where the
// layout puts it, on whatever page that is.
class ObjetoGrafico : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    ObjetoGrafico(const Informe &inf, double ancho, QPaintDevice &dispositivo, const QFont &letra)
        : m_inf(inf), m_ancho(ancho) {
        m_titulo.documentLayout()->setPaintDevice(&dispositivo);
        m_titulo.setDefaultFont(letra);
        m_titulo.setDocumentMargin(0);
        m_titulo.setHtml(html::tituloGrafico(inf));
        m_titulo.setTextWidth(ancho);
    }

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &) override {
        return {m_ancho, m_titulo.size().height() + m_ancho * kProporcionGrafico};
    }
    // The part of the document the page being painted shows: the chart draws on the page it
    // begins on, within it (the scene's rendering does not keep to the painter's clip).
    void fijarPagina(const QRectF &pagina) { m_pagina = pagina; }

    void drawObject(QPainter *pintor, const QRectF &zona, QTextDocument *, int,
                    const QTextFormat &) override {
        // The layout keeps its positions in single precision: a chart that begins a page may
        // start a hair above it.
        constexpr double kHolgura = 1;
        if (zona.top() < m_pagina.top() - kHolgura || zona.top() >= m_pagina.bottom() - kHolgura)
            return;
        const PuntoGrafico &g = *m_inf.grafico;
        pintor->save();
        pintor->setClipRect(m_pagina, Qt::IntersectClip);
        pintor->translate(zona.topLeft());
        m_titulo.drawContents(pintor);
        pintor->translate(-zona.topLeft());
        dibujarMoody(*pintor, zona.adjusted(0, m_titulo.size().height(), 0, 0),
                     {g.re, g.ffinal, g.rugosidad, g.dint, g.fexacta}, m_inf.lengua());
        pintor->restore();
    }

  private:
    const Informe &m_inf;
    double m_ancho;
    QRectF m_pagina;
    QTextDocument m_titulo;
};

// The chart's mark in the document becomes the chart.
void ponerGrafico(QTextDocument &doc, ObjetoGrafico &objeto) {
    QTextCursor c = doc.find(html::kMarcaGrafico);
    if (c.isNull())
        return;
    doc.documentLayout()->registerHandler(kObjetoMoody, &objeto);
    QTextCharFormat formato;
    formato.setObjectType(kObjetoMoody);
    c.insertText(QString(QChar::ObjectReplacementCharacter), formato);
}

// The other windows' charts, each drawn where its mark stood, as wide as the body.
class ObjetoAnexos : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    ObjetoAnexos(const Informe &inf, double ancho) : m_ancho(ancho) {
        for (const Anexo &a : inf.anexos)
            if (a.grafico)
                m_graficos << *a.grafico;
    }
    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &) override {
        return {m_ancho, m_ancho * kProporcionAnexo};
    }
    void fijarPagina(const QRectF &pagina) { m_pagina = pagina; }
    void drawObject(QPainter *pintor, const QRectF &zona, QTextDocument *, int,
                    const QTextFormat &formato) override {
        constexpr double kHolgura = 1;
        const int i = formato.intProperty(kIndiceAnexo);
        if (i < 0 || i >= m_graficos.size() || zona.top() < m_pagina.top() - kHolgura ||
            zona.top() >= m_pagina.bottom() - kHolgura)
            return;
        pintor->save();
        pintor->setClipRect(m_pagina, Qt::IntersectClip);
        dibujarGraficoAnexo(*pintor, zona, m_graficos[i]);
        pintor->restore();
    }
    void poner(QTextDocument &doc) {
        doc.documentLayout()->registerHandler(kObjetoAnexo, this);
        for (int i = 0; i < m_graficos.size(); ++i) {
            QTextCursor c = doc.find(html::kMarcaGraficoAnexo);
            if (c.isNull())
                return;
            QTextCharFormat formato;
            formato.setObjectType(kObjetoAnexo);
            formato.setProperty(kIndiceAnexo, i);
            c.insertText(QString(QChar::ObjectReplacementCharacter), formato);
        }
    }

  private:
    double m_ancho;
    QRectF m_pagina;
    QList<GraficoAnexo> m_graficos;
};

// What every page repeats: the note and its date above, the line and revision it is for; the
// version and the page number below.
struct Marco {
    QString izquierda;
    QString centro;
    QString fecha;
    QString version;
};

Marco marco(const Informe &inf) {
    QStringList linea;
    if (const QString l = inf.cabecera.texto(cabecera::Linea).trimmed(); !l.isEmpty())
        linea << inf.palabra(palabras::LineaPagina).arg(l);
    if (const QString r = inf.cabecera.texto(cabecera::Revision).trimmed(); !r.isEmpty())
        linea << inf.palabra(palabras::RevisionPagina).arg(r);
    return {inf.programa + QStringLiteral(" · ") + inf.palabra(palabras::NotaDeCalculo),
            linea.join(QStringLiteral(" · ")),
            inf.fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
            inf.programa + QLatin1Char(' ') + inf.version};
}

} // namespace

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
    ObjetoGrafico objeto(inf, cuerpo.width(), dispositivo, fuente(9));
    if (inf.grafico)
        ponerGrafico(doc, objeto);
    ObjetoAnexos anexos(inf, cuerpo.width());
    anexos.poner(doc);
    doc.setPageSize(cuerpo.size());
    const int paginas = doc.pageCount();

    QPainter p(&dispositivo);
    const Marco m = marco(inf);
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
        p.drawText(lineaCab, Qt::AlignLeft | Qt::AlignBottom, m.izquierda);
        p.drawText(lineaCab, Qt::AlignRight | Qt::AlignBottom, m.fecha);
        const double yPie = pagina.height() - mm(kPie);
        const QRectF lineaPie(izquierda, yPie, derecha - izquierda, mm(5));
        p.drawText(lineaPie, Qt::AlignLeft | Qt::AlignTop, m.version);
        p.drawText(lineaPie, Qt::AlignHCenter | Qt::AlignTop, m.centro);
        p.drawText(lineaPie, Qt::AlignRight | Qt::AlignTop,
                   inf.palabra(palabras::Pagina).arg(i + 1).arg(paginas));
        p.setPen(raya);
        p.drawLine(QPointF(izquierda, yCab + mm(1.5)), QPointF(derecha, yCab + mm(1.5)));
        p.drawLine(QPointF(izquierda, yPie - mm(1.5)), QPointF(derecha, yPie - mm(1.5)));

        p.save();
        p.translate(cuerpo.left(), cuerpo.top() - i * cuerpo.height());
        const QRectF enDocumento(0, i * cuerpo.height(), cuerpo.width(), cuerpo.height());
        objeto.fijarPagina(enDocumento);
        anexos.fijarPagina(enDocumento);
        doc.drawContents(&p, enDocumento);
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

#include "report_pdf.moc"
