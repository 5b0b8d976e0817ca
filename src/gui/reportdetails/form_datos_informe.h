#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "cases/report_header.h"

#include <QHash>
#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorlo {

// The calculation note's header: project, line or tag, revision, who prepared and who checked
// it, and remarks. Not modal, one at a time; every change goes at once to the header the notes
// and the case take (app/report_details_entry.h), so closing the window loses nothing. Other
// code reaches it through that entry header.
class FormDatosInforme : public QWidget, public CamposTexto {
    Q_OBJECT
  public:
    explicit FormDatosInforme(QWidget *parent = nullptr);
    ~FormDatosInforme() override;

    // CamposTexto over the six fields, by the header table's names. A write is the user's
    // change: it goes to the header as typing does.
    QString texto(const QString &campo) const override;
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override;
    void escribirColor(const QString &campo, ColorNota color) override;

    // The header as it stands, shown (a case opened, a new case): no change of its own.
    void mostrar(const informe::Cabecera &cabecera);

  private:
    void construir();
    void alCambiar(const QString &campo);
    void alCambiarIdioma(Lengua lengua);

    QHash<QString, QLineEdit *> m_campos;
    QPlainTextEdit *m_observaciones = nullptr;
    QGridLayout *m_rejilla = nullptr;
    QPushButton *m_cerrar = nullptr;
    // Set while the window shows the header: those texts are no change.
    bool m_mostrando = false;
};

} // namespace vorlo
