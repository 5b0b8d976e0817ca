#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// The clipboard and the printer go through these seams (the save dialog through
// dialogos_archivo.h), so that tests can
// read what would be copied, answer the dialog and print without a modal loop (as the message
// boxes of message_boxes.h do).
namespace vorlo {

class Portapapeles {
  public:
    virtual ~Portapapeles() = default;
    // Puts both forms on the clipboard at once: `text/plain` and `text/html`.
    virtual void copiar(const QString &texto, const QString &html) = 0;
};

Portapapeles &portapapeles();
void fijarPortapapeles(Portapapeles *p); // nullptr restores the system clipboard

class PortapapelesGrabado : public Portapapeles {
  public:
    void copiar(const QString &t, const QString &h) override {
        texto = t;
        html = h;
        ++copias;
    }
    QString texto;
    QString html;
    int copias = 0;
};

class Impresion {
  public:
    virtual ~Impresion() = default;
    // Shows the print dialog with a preview of the pages `dibujar` paints on the printer.
    // True when the user printed.
    virtual bool imprimir(QWidget *padre, const QString &titulo,
                          const std::function<void(QPagedPaintDevice &)> &dibujar) = 0;
};

Impresion &impresion();
void fijarImpresion(Impresion *i); // nullptr restores Qt's print preview

// Test double: paints the pages into a PDF file of its own (when `archivoPdf` is set) instead of
// showing the dialog, and answers as told.
class ImpresionGrabada : public Impresion {
  public:
    bool imprimir(QWidget *padre, const QString &titulo,
                  const std::function<void(QPagedPaintDevice &)> &dibujar) override;
    QStringList titulos;
    QString archivoPdf;
    bool respuesta = true;
};

} // namespace vorlo
