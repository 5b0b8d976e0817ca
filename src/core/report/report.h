#pragma once

#include "cases/case_file.h"
#include "cases/report_header.h"
#include "fields/field_texts.h"
#include "fittings/k_metodos.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_fields.h"
#include "report/report_texts.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPointF>
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
    // A result's unrounded value, where the note knows it (its engineering form's digits).
    std::optional<double> numero{};
    bool operator==(const Fila &) const = default;

    // The value as the note prints it: a number below 1 with its leading zero ("0,0197").
    QString valorNota() const;
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

// One step of the method: what it computes, the equation, the equation with the case's
// numbers, and the result with its unit; `nota` says the rule or where a value came from.
struct Paso {
    QString titulo;
    QString ecuacion;
    QString sustitucion; // empty for a value given rather than computed
    QString resultado;
    QString nota{};
    // An equation solved for its unknown (Colebrook's) rather than evaluated.
    bool implicita = false;

    // "V = Q / (3600 · π · D² / 4) = 36 / (…) = 1,2732 m/s"; for an implicit equation, the
    // equation with the numbers, then "⇒" and the root.
    QString linea() const;
};

// The pipe window's texts the Moody chart marks its point from, as the chart reads them.
struct PuntoGrafico {
    QString re;
    QString ffinal;
    QString rugosidad;
    QString dint;
    QString fexacta;
};

// Another window's results in the note (water and steam, gas, gas line, ...): its heading, its
// case in words, its tables and, for a calculator that shows its working, its steps.
// A chart of another window's section: curves of (x, y) points in the units of its axes, a
// curve of marked points rather than a line when `marcas`.
struct CurvaAnexo {
    QString nombre;
    QList<QPointF> puntos;
    bool marcas = false;
};
struct GraficoAnexo {
    QString titulo;
    QString ejeX;
    QString ejeY;
    QList<CurvaAnexo> curvas;
};

struct Anexo {
    QString titulo;
    QStringList caso;
    QList<Seccion> secciones;
    QList<Paso> metodo{};
    std::optional<GraficoAnexo> grafico{};
    // The window's part of the case ("gas"): the CSV names the rows by it ("gas.Qproceso").
    QString clave{};
};

// The water and steam window's hand-over to the pipe window: the state's temperature and
// pressure, and the density and dynamic viscosity texts it wrote there. It describes the pipe's
// fluid only while the pipe window still holds those two texts.
struct OrigenAgua {
    QString temperatura; // ºC
    QString presion;     // bar a
    QString densidad;
    QString viscosidad;
    bool operator==(const OrigenAgua &) const = default;
};

// What the pipe window's note takes beyond that window's texts.
struct Contexto {
    Cabecera cabecera;
    std::optional<DatosAccesorios> accesorios;
    std::optional<OrigenAgua> origenAgua;
    // The other windows' inputs as a case holds them, by the case's keys (caso::Agua,
    // caso::Gas, caso::LineaGas); the note computes their results again.
    QMap<QString, caso::Ventana> ventanas;
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
    // The note's header (project, line, revision, who prepared and checked it).
    Cabecera cabecera;
    // How each result of the pipe window follows from the inputs, in the mode in force.
    QList<Paso> metodo;
    // The Moody chart's point, for the pipe window with a Reynolds number.
    std::optional<PuntoGrafico> grafico;
    // The other windows the note includes.
    QList<Anexo> anexos;
    // Its numbers already in the header's engineering form (presentado()).
    bool presentado = false;

    Lengua lengua() const;
    // Every quantity row, section after section.
    QList<Fila> filas() const;
    // A word of the report in its language.
    QString palabra(const TextoBilingue &p) const { return p.en(lengua()); }
};

// The language a report takes for a language setting: Spanish for "ESPAÑOL", else English.
QString idiomaInforme(const QString &idioma);

// A number's text with the leading zero a sentence or a note prints (",5" is "0,5", "-,5" is
// "-0,5"); any other text as it is, without surrounding blanks.
QString conCero(const QString &texto);

// The report of the pipe flow window from its texts and options. Rows the window hides in its
// current state are left out (the kinematic viscosity while the dynamic one is chosen, the
// length rows in gases mode); the exact root, its note and the pipe designation appear when their
// text is present. The fittings list appears when the fittings window holds a count above 0 and its
// K total is the one the pipe window shows. The notes beside the results (regime, friction
// factor, exact root) are written again in the report's language from the state.
Informe informeTuberia(const CamposTexto &campos, const QString &idioma, const QDateTime &fecha,
                       const std::optional<DatosAccesorios> &accesorios = std::nullopt);
// The same with the header, the fluid's origin and the other windows; with the method and the
// Moody chart's point.
Informe informeTuberia(const CamposTexto &campos, const QString &idioma, const QDateTime &fecha,
                       const Contexto &contexto);

// The report of the gas window from its texts and options (Option1/Option2: the mode; Check1:
// whether the compressibility factor is considered).
Informe informeGas(const CamposTexto &campos, const QString &idioma, const QDateTime &fecha,
                   const Cabecera &cabecera = {});

} // namespace vorlo::informe
