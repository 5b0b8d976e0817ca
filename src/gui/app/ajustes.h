#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

// What the program remembers between runs (the user's settings file), behind a seam so that
// tests neither read nor write the user's own settings.
namespace vorlo {

class Ajustes {
  public:
    virtual ~Ajustes() = default;
    virtual QVariant valor(const QString &clave, const QVariant &porDefecto = {}) const = 0;
    virtual void fijar(const QString &clave, const QVariant &valor) = 0;
};

// Settings that live only while the program runs (tests).
class AjustesEnMemoria : public Ajustes {
  public:
    QVariant valor(const QString &clave, const QVariant &porDefecto = {}) const override {
        return m_valores.value(clave, porDefecto);
    }
    void fijar(const QString &clave, const QVariant &valor) override {
        m_valores.insert(clave, valor);
    }

  private:
    QHash<QString, QVariant> m_valores;
};

// The settings in use: the user's settings file unless replaced.
Ajustes &ajustes();
// Replaces the settings (nullptr: back to the user's file).
void fijarAjustes(Ajustes *a);
// The user's settings file, wherever the settings in use are (~/.config/vorlo/vorlo.ini on
// Linux; the man page names it).
QString archivoAjustes();

// The keys, each written once.
namespace claves {
inline const QString ResultadosExactos = QStringLiteral("calculo/resultadosExactos");
inline const QString CasosRecientes = QStringLiteral("casos/recientes");
inline const QString Preparado = QStringLiteral("informe/preparado");
} // namespace claves

} // namespace vorlo
