#include "ajustes.h"

#include <QSettings>

namespace vorlo {

namespace {

// ~/.config/vorlo/vorlo.conf on Linux.
class AjustesDeUsuario : public Ajustes {
  public:
    QVariant valor(const QString &clave, const QVariant &porDefecto) const override {
        return m_settings.value(clave, porDefecto);
    }
    void fijar(const QString &clave, const QVariant &valor) override {
        m_settings.setValue(clave, valor);
    }

  private:
    mutable QSettings m_settings{QSettings::IniFormat, QSettings::UserScope,
                                 QStringLiteral("vorlo"), QStringLiteral("vorlo")};
};

Ajustes *g_ajustes = nullptr;

} // namespace

Ajustes &ajustes() {
    if (g_ajustes)
        return *g_ajustes;
    static AjustesDeUsuario usuario;
    return usuario;
}

void fijarAjustes(Ajustes *a) {
    g_ajustes = a;
}

} // namespace vorlo
