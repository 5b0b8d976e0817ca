#pragma once

#include "app/texts.h"
#include "cases/case_file.h"
#include "fields/field_table.h"
#include "fields/field_texts.h"
#include "fields/language.h"

#include <QHash>
#include <QList>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

namespace vorlo {

class FiltroTeclas;

// The base of every window that shows a calculator's field table. It builds the window from the
// table (the title, the options, then each section under its heading with one row a field:
// caption, control, unit), reads and writes the fields by name as the calculations do, follows
// the program's language and keeps the window's part of the case. A calculator's window derives
// from it and adds only what the table cannot say: its calculation, its buttons, tables and
// charts.
//
// Controls by field: a text box for a field that is one (white and filtered when typed into,
// light blue and read-only when computed; a free text as wide as the window), a box of several
// lines for a paragraph, a drop-down list for a field with choices (its text is the chosen key),
// a word-wrapped label for a note. A section without a heading label stands without a frame. The
// table's options are radio buttons, one exclusive group, or check boxes (Casilla). Fields marked
// Oculto are not drawn.
class VentanaTabla : public QWidget, public CamposTexto {
    Q_OBJECT
  public:
    // `objeto`: the window's objectName; `claveCaso`: its part's key in a case (empty: none).
    VentanaTabla(const TablaCampos &tabla, const QString &objeto, const QString &claveCaso,
                 QWidget *parent = nullptr);
    ~VentanaTabla() override;

    // CamposTexto by the table's names. Writing an input's text changes it as typing does, and
    // the window recalculates. A hidden field's text is kept by the base.
    QString texto(const QString &campo) const override;
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override;
    void escribirColor(const QString &campo, ColorNota color) override;
    void fijarOpcion(const QString &nombre, bool valor);

    const TablaCampos &tabla() const { return m_tabla; }
    const QString &claveCaso() const { return m_clave; }
    // The window's part of the case, by its schema; and a part put back (every text and option
    // it names, the rest as they are).
    virtual caso::Ventana parteCaso() const;
    virtual void cargarParte(const caso::Ventana &v);

    // Runs the calculation now. A derived window calls it at the end of its constructor (the
    // base cannot: the calculation is the derived window's), and hand-overs may call it.
    void recalcular();

  protected:
    // The window's calculation: after each change of an input, option or choice, and after a
    // language switch. Writes the results through escribir().
    virtual void calcular() = 0;
    // After the captions switched language; recalculates by default, so that notes and
    // messages follow.
    virtual void alCambiarIdioma(Lengua lengua);

    QLineEdit *caja(const QString &nombre) const;
    QComboBox *lista(const QString &nombre) const;
    QLabel *etiqueta(const QString &nombre) const; // a note field's label
    QAbstractButton *botonOpcion(const QString &nombre) const;
    QGridLayout *rejilla(int seccion) const { return m_rejillas.value(seccion); }
    QVBoxLayout *zonaInferior() const { return m_inferior; }
    // A section of the window's own (controls the table does not hold), after the table's,
    // framed under the heading label `etiqueta`: its grid. Its index follows the table's.
    QGridLayout *nuevaSeccion(const QString &etiqueta);
    // The sections side by side: each list, of section indices, one column.
    void disponerEnColumnas(const QList<QList<int>> &columnas);
    // The lower zone takes the window's spare height (a table that grows with the window).
    void zonaInferiorCrece();

    // A field the options turn into an input or a result (a flow or an outlet pressure): white,
    // typed into and recalculating as an input; light blue and read-only as a result. The text
    // it shows stays.
    void fijarEntrada(const QString &nombre, bool entrada);
    // Every box back to its colour: white an input, light blue a result.
    void restablecerColores();
    // The fields a value needs, in red while the mouse is over it, and the window's free
    // surface (its frames) restoring the colours: activarResaltado() switches it on, the
    // derived window says which inputs a field needs and what the help line says.
    void activarResaltado();
    virtual QStringList necesariosDe(const QString &campo) const;
    // The mouse is over a field (its name), or over the free surface (empty).
    virtual void alPasarSobre(const QString &campo);
    bool eventFilter(QObject *obj, QEvent *ev) override;

    // A window whose case part is not the schema's whole (parteCaso overridden) leaves it
    // pending from its own destructor through this; the base's then leaves nothing.
    void dejarParte();

    // Every computed field emptied.
    void vaciarResultados();
    // A note's text, in red or in the window's text colour.
    void fijarNota(const QString &campo, const QString &texto, bool roja);
    // Captions of the window's own controls (buttons, headers), set in the language now and on
    // every switch.
    void anadirTextos(const QList<TextoControl> &textos);
    Lengua lengua() const;

  private:
    void construir();
    void construirOpciones(QVBoxLayout *capas);
    void construirSeccion(QVBoxLayout *capas, int indice);
    void nuevaFila(QGridLayout *rejilla, const Campo &c);
    QWidget *nuevoControl(const Campo &c);
    void conectar();
    void alCambiar();
    void traducir(Lengua lengua);
    void cambiarPorBandera(Lengua lengua);

    const TablaCampos &m_tabla;
    QString m_clave;
    QHash<QString, QLineEdit *> m_cajas;
    QHash<QString, QComboBox *> m_listas;
    QHash<QString, QLabel *> m_notas;
    QHash<QString, QPlainTextEdit *> m_parrafos;
    QHash<QString, QAbstractButton *> m_opciones;
    QHash<QString, QString> m_ocultos;
    QList<QGridLayout *> m_rejillas;
    QList<QFrame *> m_marcos;
    // Each section's heading and frame, in the order built.
    QList<std::pair<QLabel *, QFrame *>> m_secciones;
    QVBoxLayout *m_capas = nullptr;
    QList<TextoControl> m_textos;
    bool m_parteDejada = false;
    QVBoxLayout *m_inferior = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    // Writes made by the calculation raise change events; they must not start it again.
    int m_profundidad = 0;
};

} // namespace vorlo
