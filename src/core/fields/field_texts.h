#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vorlo {

// Colour of a note written by a calculation: the window's normal text colour, or red.
enum class ColorNota { Normal, Rojo };

// The named texts a calculation reads and writes. The windows implement it over their widgets
// (a write that changes a text raises the field's change event, which may run the calculation
// again, nested); CamposMapa implements it over a plain map.
class CamposTexto {
  public:
    virtual ~CamposTexto() = default;
    virtual QString texto(const QString &campo) const = 0;
    virtual void escribir(const QString &campo, const QString &texto) = 0;
    virtual bool opcion(const QString &nombre) const = 0;
    virtual void escribirColor(const QString &campo, ColorNota color) = 0;

    bool presente(const QString &campo) const { return !texto(campo).isEmpty(); }
    // The value of a field, or nullopt when it is empty or not a number.
    virtual std::optional<double> valor(const QString &campo) const;
    // Writes a result: its text, formatted from `x`. A view that keeps results unrounded
    // (ValoresExactos) keeps `x` with it.
    virtual void escribirValor(const QString &campo, double x, const QString &texto) {
        m_escritos.insert(campo, {texto, x});
        escribir(campo, texto);
    }
    // Whether a field still shows the result a pass wrote into it, rather than a text typed or
    // handed over: a result whose inputs are gone is emptied, a typed value is the user's.
    virtual bool calculado(const QString &campo) const {
        const auto it = m_escritos.constFind(campo);
        return it != m_escritos.cend() && !it->texto.isEmpty() && it->texto == texto(campo);
    }
    // The unrounded value of a result the field still shows as the pass wrote it (a note
    // presents it with its own digits); nullopt for a typed or emptied field.
    virtual std::optional<double> valorEscrito(const QString &campo) const {
        if (!calculado(campo))
            return std::nullopt;
        return m_escritos.value(campo).x;
    }

    // Whether the view keeps results unrounded (the exact mode): a result then shows at
    // least four significant digits where its fixed format would lose them.
    virtual bool exacta() const { return false; }

  private:
    struct Escrito {
        QString texto;
        double x = 0;
    };
    QHash<QString, Escrito> m_escritos;
};

// The unrounded value of each result written, with the text it was written as: while a field
// still shows that text, reading it gives the value rather than the rounded text.
class ValoresExactos {
  public:
    std::optional<double> valor(const QString &campo, const QString &texto) const;
    void guardar(const QString &campo, const QString &texto, double x);
    void vaciar() { m_valores.clear(); }

  private:
    struct Valor {
        QString texto;
        double x;
    };
    QHash<QString, Valor> m_valores;
};

// Field texts that pass every read and write on to other field texts: the base of a view that
// changes only some of them.
class CamposDelegados : public CamposTexto {
  public:
    explicit CamposDelegados(CamposTexto &campos) : m_campos(campos) {}

    QString texto(const QString &campo) const override { return m_campos.texto(campo); }
    void escribir(const QString &campo, const QString &texto) override {
        m_campos.escribir(campo, texto);
    }
    bool opcion(const QString &nombre) const override { return m_campos.opcion(nombre); }
    void escribirColor(const QString &campo, ColorNota color) override {
        m_campos.escribirColor(campo, color);
    }
    std::optional<double> valor(const QString &campo) const override {
        return m_campos.valor(campo);
    }
    void escribirValor(const QString &campo, double x, const QString &texto) override {
        m_campos.escribirValor(campo, x, texto);
    }
    bool calculado(const QString &campo) const override { return m_campos.calculado(campo); }
    std::optional<double> valorEscrito(const QString &campo) const override {
        return m_campos.valorEscrito(campo);
    }
    bool exacta() const override { return m_campos.exacta(); }

  protected:
    CamposTexto &m_campos;
};

// Field texts seen through the unrounded values: every read and write goes to `campos`, but a
// field whose text is one a result was written as reads as that result's full value.
class CamposExactos : public CamposDelegados {
  public:
    CamposExactos(CamposTexto &campos, ValoresExactos &valores)
        : CamposDelegados(campos), m_valores(valores) {}

    std::optional<double> valor(const QString &campo) const override;
    // The value is kept before the write, which may run the calculation again, nested.
    void escribirValor(const QString &campo, double x, const QString &texto) override {
        m_valores.guardar(campo, texto, x);
        m_campos.escribirValor(campo, x, texto);
    }
    bool exacta() const override { return true; }

  private:
    ValoresExactos &m_valores;
};

// Map-backed field texts for library callers and tests. Counts every write that changes a text.
class CamposMapa : public CamposTexto {
  public:
    CamposMapa() = default;
    explicit CamposMapa(const QHash<QString, QString> &textos) : m_textos(textos) {}

    QString texto(const QString &campo) const override { return m_textos.value(campo); }
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override { return m_opciones.value(nombre); }
    void escribirColor(const QString &campo, ColorNota color) override;

    void fijarOpcion(const QString &nombre, bool valor) { m_opciones[nombre] = valor; }
    ColorNota color(const QString &campo) const { return m_colores.value(campo); }
    const QHash<QString, QString> &textos() const { return m_textos; }
    int cambios() const { return m_cambios; }

  private:
    QHash<QString, QString> m_textos;
    QHash<QString, bool> m_opciones;
    QHash<QString, ColorNota> m_colores;
    int m_cambios = 0;
};

// Writing a result that changes a field's text runs the calculation again, nested; the nesting
// ends when a write changes nothing. Passes nested deeper than this are not run, a guard against
// a chain that would not end.
inline constexpr int kProfundidadMaxima = 64;

// Repeats a pass until one changes no text. Returns the number of passes run, the last being
// the one that changed nothing, or nullopt when the bound was reached first.
std::optional<int> settle(CamposMapa &campos, const std::function<void(CamposTexto &)> &pasada,
                          int cota = 16);

} // namespace vorlo
