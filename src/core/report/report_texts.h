#pragma once

#include <QList>
#include <QString>

// The words of a report: for every field of the two calculator windows the caption the window
// shows beside it and its unit, grouped under the window's own section headings, and the few
// words the report adds (headings, column titles, page numbers).
namespace vorlo::informe {

enum class Ventana { Tuberia, Gas };

struct RotuloCampo {
    QString campo;
    QString espanol;
    QString ingles;
    QString unidad; // as the window shows it, without the brackets; empty for none
};

struct SeccionRotulos {
    QString espanol;
    QString ingles;
    QList<RotuloCampo> campos; // in the window's order
};

// The window's sections in order, each with its fields (captions and units).
const QList<SeccionRotulos> &secciones(Ventana v);
// The caption and unit of one field of a window; nullptr for a field the window does not have.
const RotuloCampo *rotulo(Ventana v, const QString &campo);
// Every field of a window, in the order of its sections.
QStringList campos(Ventana v);

// The option buttons and check box that state a window's case, with their captions.
const QList<RotuloCampo> &opciones(Ventana v);

// A word the report adds, in one language.
struct Palabra {
    QString espanol;
    QString ingles;
    QString en(bool espanol) const { return espanol ? this->espanol : ingles; }
};

namespace palabras {
extern const Palabra NotaDeCalculo;
extern const Palabra Fecha;
extern const Palabra Programa;
extern const Palabra Caso;
extern const Palabra Fluido;
extern const Palabra Viscosidad;
extern const Palabra Modo;
extern const Palabra Si;
extern const Palabra No;
extern const Palabra SinSeleccionar;
extern const Palabra Magnitud;
extern const Palabra Valor;
extern const Palabra Unidad;
extern const Palabra Campo;
extern const Palabra Accesorios;
extern const Palabra Accesorio;
extern const Palabra Uds;
extern const Palabra UdsPorK;
extern const Palabra Diametro;
extern const Palabra DiametroNominal;
extern const Palabra KTotal;
extern const Palabra Avisos;
extern const Palabra Notas;
extern const Palabra Pagina; // "%1" of "%2"
extern const Palabra ValoresComoVentana;
extern const Palabra Calculados;
extern const Palabra CeroAbsoluto;
extern const Palabra TramoCompleto;
} // namespace palabras

} // namespace vorlo::informe
