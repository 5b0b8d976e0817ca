#include "report_seams.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vorlo {

namespace {

class PortapapelesQt : public Portapapeles {
  public:
    void copiar(const QString &texto, const QString &html) override {
        auto *datos = new QMimeData;
        datos->setText(texto);
        datos->setHtml(html);
        QGuiApplication::clipboard()->setMimeData(datos); // the clipboard takes ownership
    }
};

class ImpresionQt : public Impresion {
  public:
    bool imprimir(QWidget *padre, const QString &titulo,
                  const std::function<void(QPagedPaintDevice &)> &dibujar) override {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setPageSize(QPageSize(QPageSize::A4));
        impresora.setFullPage(true); // the report keeps its own margins
        impresora.setDocName(titulo);
        QPrintPreviewDialog dialogo(&impresora, padre);
        dialogo.setWindowTitle(titulo);
        QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                         [&dibujar](QPrinter *p) { dibujar(*p); });
        return dialogo.exec() == QDialog::Accepted;
    }
};

PortapapelesQt g_portapapelesQt;
Portapapeles *g_portapapeles = &g_portapapelesQt;
ImpresionQt g_impresionQt;
Impresion *g_impresion = &g_impresionQt;

} // namespace

Portapapeles &portapapeles() {
    return *g_portapapeles;
}

void fijarPortapapeles(Portapapeles *p) {
    g_portapapeles = p ? p : &g_portapapelesQt;
}

Impresion &impresion() {
    return *g_impresion;
}

void fijarImpresion(Impresion *i) {
    g_impresion = i ? i : &g_impresionQt;
}

bool ImpresionGrabada::imprimir(QWidget *, const QString &titulo,
                                const std::function<void(QPagedPaintDevice &)> &dibujar) {
    titulos << titulo;
    if (!archivoPdf.isEmpty()) {
        QPdfWriter pdf(archivoPdf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        dibujar(pdf);
    }
    return respuesta;
}

} // namespace vorlo
