#pragma once

#include "fields/language.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>

// One table per calculator lists each of its fields once: name, role, whether it is a text box,
// what it triggers, its caption in both languages, its unit and its display format. Windows,
// reports, files, the command line and the tests read their field lists from it.
namespace vorlo {

enum class Rol {
    Entrada,   // typed or handed over by the user (white)
    Resultado, // computed and written by the calculation (light blue)
    Nota,      // a text the calculation writes: a note, a regime, a designation
};

// How a field's value is shown.
struct Formato {
    enum Tipo {
        ComoEscrito,   // as typed or handed over; never formatted by the program
        Fijo,          // `cifras` decimals, grouping, no leading zero below 1 (formatoFijo)
        Plano,         // up to 15 significant digits (formatoPlano)
        Significativas // `cifras` significant digits (formatoSignificativo)
    };
    Tipo tipo = ComoEscrito;
    int cifras = 0;

    // The text of a value in this format; nullopt for ComoEscrito or a value not finite.
    std::optional<QString> aplicar(double x) const;
    bool operator==(const Formato &) const = default;
};

// Properties of a field beyond its role, as flags.
enum Marca : unsigned {
    Caja = 1u << 0,               // a text box: writing a new text raises its change event
    FiltroNumerico = 1u << 1,     // takes the numeric key filter
    RecalculaAlCambiar = 1u << 2, // its change runs the calculation at once, nested
    RecalculaAlSalir = 1u << 3,   // leaving it runs the calculation
    VaciaAlBorrar = 1u << 4,      // emptied by the window's clear
    VaciaAlCambiarModo = 1u << 5, // emptied by a switch of the window's mode
    SoloModoPrincipal = 1u << 6,  // shown only in the window's first mode (liquids)
    Opcional = 1u << 7,           // listed by reports and commands only when it holds a text
    Opcion = 1u << 8,             // an option button or check box: a state, not a text
    LeidaPorPasada = 1u << 9,     // read by the calculation: a change makes a pass due
    EsTexto = 1u << 10,           // a text rather than a number (a designation)
    Casilla = 1u << 11,           // an option shown as a check box rather than a radio button
    Oculto = 1u << 12,            // kept in the case, but shown by the window its own way (a table)
    Parrafo = 1u << 13,           // a free text of several lines (remarks)
};

// One item of a field that takes one of a few choices: its key (what the field's text, the case
// and the command line hold, whatever the language) and its caption.
struct Eleccion {
    QString clave;
    TextoBilingue texto;
    bool operator==(const Eleccion &) const = default;
};

struct Campo {
    QString nombre{}; // the control's objectName
    Rol rol = Rol::Entrada;
    unsigned marcas = 0;    // Marca flags
    TextoBilingue rotulo{}; // the caption the window shows beside it
    QString unidad{};       // as the window shows it, without brackets; empty for none
    Formato formato{};
    QString etiqueta{};      // the window's label that carries the caption, when it has one
    QString controlUnidad{}; // the window's unit label or unit button, when it has one
    QString magnitud{};      // the quantity kind its unit button opens the converter with
    QString clave{};         // the key on the command line and in CSV, when it has one
    // The caption a calculation note prints, where the window's own caption is misspelt
    // ("Rugosity"); empty when the window's caption is right. The window keeps its caption.
    TextoBilingue rotuloInforme{};
    // The choices of a drop-down list, in the order shown; empty for any other field.
    QList<Eleccion> elecciones{};

    bool tiene(Marca m) const { return (marcas & m) != 0; }
    // The caption a note prints: the report caption when there is one, else the window's.
    const TextoBilingue &rotuloNota() const {
        return rotuloInforme.espanol.isEmpty() && rotuloInforme.ingles.isEmpty() ? rotulo
                                                                                 : rotuloInforme;
    }
};

// A group of fields under one heading, as the window shows them.
struct SeccionCampos {
    TextoBilingue titulo{};
    QString etiqueta{}; // the window's heading label, when it has one
    QList<Campo> campos{};
};

// A caption the window shows: the control that carries it and its text in both languages.
struct RotuloVentana {
    QString control;
    TextoBilingue texto;
};

class TablaCampos {
  public:
    TablaCampos(const TextoBilingue &titulo, const QString &etiquetaTitulo,
                const QList<SeccionCampos> &secciones, const QList<Campo> &opciones = {});

    // The calculation's title, and the label that shows it in the window.
    const TextoBilingue &titulo() const { return m_titulo; }
    const QString &etiquetaTitulo() const { return m_etiquetaTitulo; }
    const QList<SeccionCampos> &secciones() const { return m_secciones; }
    // Every field, section after section (the options are apart).
    const QList<Campo> &campos() const { return m_campos; }
    // The option buttons and check boxes that state the case.
    const QList<Campo> &opciones() const { return m_opciones; }
    // The row of a field or option; nullptr for a name the table does not have.
    const Campo *campo(const QString &nombre) const;
    // The names of the fields that satisfy `condicion`, in table order.
    QStringList nombres(const std::function<bool(const Campo &)> &condicion) const;
    QStringList conMarca(Marca m) const {
        return nombres([m](const Campo &c) { return c.tiene(m); });
    }
    QStringList conRol(Rol r) const {
        return nombres([r](const Campo &c) { return c.rol == r; });
    }
    QStringList todos() const {
        return nombres([](const Campo &) { return true; });
    }
    // The captions the window's labels, headings and options carry, each label once; an option
    // without a label of its own carries its caption itself.
    QList<RotuloVentana> rotulosVentana() const;

  private:
    TextoBilingue m_titulo;
    QString m_etiquetaTitulo;
    QList<SeccionCampos> m_secciones;
    QList<Campo> m_campos;
    QList<Campo> m_opciones;
};

} // namespace vorlo
