#pragma once

#include "fields/field_texts.h"
#include "fittings/k_metodos.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_fields.h"
#include "report/report_texts.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One report model feeds the clipboard, the CSV, the PDF and the printout alike, so the four
// never disagree. Its values are the texts the window shows, never formatted again.
namespace vorlo::informe {

// The program's version, from the build.
QString versionPrograma();

// One quantity or note of a window: its field name, caption, text as shown and unit.
struct Fila {
    QString campo;
    QString titulo;
    QString valor;
    QString unidad;
    bool calculado = false; // a field the program computes (shown light blue in the window)
    bool nota = false;      // a text rather than a number (a note, a designation)
    bool operator==(const Fila &) const = default;
};

struct Seccion {
    QString titulo;
    QList<Fila> filas;
};

// The fittings window as it stands: its diameter, its 23 rows (title, count and K texts, in the
// window's order), its K total, the message of its K lookup, and the method that gave the K with
// the Reynolds number text it took.
struct DatosAccesorios {
    struct FilaVentana {
        QString titulo;
        QString unidades;
        QString k;
    };
    QString diametro;
    QString ktotal;
    QString mensaje;
    QList<FilaVentana> filas;
    MetodoK metodo = MetodoK::Tabla;
    QString reynolds{}; // the pipe window's text, for the K of 2-K and 3-K
};

// The fittings a report lists: those with a count above 0.
struct ListaAccesorios {
    struct Linea {
        int fila = 0; // 0-22, the window's row
        QString titulo;
        QString unidades;
        QString k;
        QString producto; // count x K, in the general text form; empty when K is not a number
    };
    QString diametro; // mm, as handed to the fittings window
    QString nominal;  // "DN 100", or empty when no nominal diameter applies (or another method)
    QString metodo;   // the method's name in the report's language: "Tabla", "2-K (Hooper)", ...
    QString formula;  // what the method used, as the window's label says it; empty for the table
    QString ktotal;
    QList<Linea> lineas;

    // "2-K (Hooper) — K = K1/Re + …", or the name alone for the table.
    QString metodoConFormula() const {
        return formula.isEmpty() ? metodo : metodo + QStringLiteral(" — ") + formula;
    }
};

struct Informe {
    Ventana ventana = Ventana::Tuberia;
    QString idioma;  // "ESPAÑOL" or "INGLÉS"
    QString titulo;  // the calculation, in the window's words
    QDateTime fecha; // when the report was made
    QString programa;
    QString version;
    // The case in words ("Fluid: Liquids", ...), one line each.
    QStringList caso;
    // How the results were computed (the pipe flow window's mode); empty for the gas window.
    QString modo;
    // The option buttons behind it, "True" or "False" as in the results file.
    QList<Fila> opciones;
    QList<Seccion> secciones;
    std::optional<ListaAccesorios> accesorios;
    QStringList notas;
    QStringList avisos;

    Lengua lengua() const;
    // Every quantity row, section after section.
    QList<Fila> filas() const;
    // A word of the report in its language.
    QString palabra(const TextoBilingue &p) const { return p.en(lengua()); }
};

// The language a report takes for a language setting: Spanish for "ESPAÑOL", else English.
QString idiomaInforme(const QString &idioma);

// The report of the pipe flow window from its texts and options. Rows the window hides in its
// current state are left out (the kinematic viscosity while the dynamic one is chosen, the
// length rows in gases mode); the exact root, its note and the pipe designation appear when their
// text is present. The fittings list appears when the fittings window holds a count above 0 and its
// K total is the one the pipe window shows.
Informe informeTuberia(const CamposTexto &campos, const QString &idioma, const QDateTime &fecha,
                       const std::optional<DatosAccesorios> &accesorios = std::nullopt);

// The report of the gas window from its texts and options (Option1/Option2: the mode; Check1:
// whether the compressibility factor is considered).
Informe informeGas(const CamposTexto &campos, const QString &idioma, const QDateTime &fecha);

} // namespace vorlo::informe
