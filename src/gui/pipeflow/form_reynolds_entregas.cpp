#include "form_reynolds.h"

#include "app/case_entry.h"
#include "app/gasline_entry.h"
#include "app/hijos.h"
#include "app/message_boxes.h"
#include "app/moody_entry.h"
#include "app/open_windows.h"
#include "app/pipes_entry.h"
#include "app/sizing_entry.h"
#include "app/texts.h"
#include "fields/numbers.h"
#include "gas/gas_fields.h"
#include "pipeflow/pipe_fields.h"
#include "results/results_file.h"
#include "ui_form_reynolds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPointer>

// The pipe flow window's hand-overs: files and cases opened into it, and the windows it opens
// with its own values.
namespace vorlo {

void FormReynolds::aplicarPar(QRadioButton *primera, QRadioButton *segunda, bool a, bool b,
                              void (FormReynolds::*efecto)(bool)) {
    if (a || b) {
        (this->*efecto)(a);
        return;
    }
    // Neither saved as selected: both clear. An exclusive group keeps its checked button, so
    // it is released for the moment.
    QButtonGroup *grupo = primera->group();
    const bool exclusivo = grupo && grupo->exclusive();
    if (grupo)
        grupo->setExclusive(false);
    primera->setChecked(false);
    segunda->setChecked(false);
    if (grupo)
        grupo->setExclusive(exclusivo);
}

void FormReynolds::abrirResultados(const resultados::Resultados &r) {
    // A results file holds no mode: it opens in the defined mode, as the commands open it; the
    // remembered switch is for new work.
    fijarExacto(false);
    aplicarPar(ui->Option1, ui->Option2, r.opciones[0], r.opciones[1], &FormReynolds::aplicarModo);
    aplicarPar(ui->Option3, ui->Option4, r.opciones[2], r.opciones[3],
               &FormReynolds::aplicarViscosidad);
    // In file order: the diameter comes before the K total that its change empties, the
    // inputs before the results computed from them.
    const QStringList &campos = resultados::nombresCampos();
    for (int i = 0; i < campos.size(); ++i)
        escribir(campos[i], r.textos[i]);
    CalcularTuberia();
}

void FormReynolds::fijarModo(bool liquidos, bool gases) {
    aplicarPar(ui->Option1, ui->Option2, liquidos, gases, &FormReynolds::aplicarModo);
}

void FormReynolds::fijarViscosidad(bool dinamica, bool cinematica) {
    aplicarPar(ui->Option3, ui->Option4, dinamica, cinematica, &FormReynolds::aplicarViscosidad);
}

void FormReynolds::fijarExacto(bool exacto) {
    ui->CheckExacto->setChecked(exacto);
    m_control.olvidarExactos();
}

void FormReynolds::cargarCaso(const caso::Ventana &v) {
    // The same steps as the emulation's, so that `vorlo calc` shows what this window shows.
    caso::cargarTuberia(*this, v);
}

void FormReynolds::recibirKTotal(const QString &ktotal) {
    if (ui->ktotal->isVisibleTo(this))
        escribir(tuberia::ktotal, ktotal);
}

void FormReynolds::Command3_Click() {
    if (ui->dint->text().isEmpty()) {
        mensajes().aviso(this, segunIdioma(idiomaActual(),
                                           QStringLiteral("Seleccione primero el diámetro"),
                                           QStringLiteral("Enter diameter first")));
        return;
    }
    abrirAccesorios(ui->dint->text());
}

void FormReynolds::CommandTuberia_Click() {
    const QPointer<FormReynolds> yo(this);
    abrirTuberias([yo](const QString &diametroInterior, const QString &designacion) {
        if (!yo)
            return;
        yo->escribir(tuberia::dint, diametroInterior);
        yo->ui->LabelTuberia->setText(designacion);
    });
}

EstadoMoody FormReynolds::estadoMoody() const {
    return {ui->Re->text(), ui->ffinal->text(), ui->Rugosidad->text(), ui->dint->text(),
            ui->fexacta->text()};
}

QString FormReynolds::productoDeTextos(const QString &a, const QString &b) const {
    const auto x = leerNumero(texto(a));
    const auto y = leerNumero(texto(b));
    if (!x || !y)
        return {};
    return formatoPlano(*x * *y).value_or(QString());
}

// The gas line starts from what this window holds; after that it is on its own.
void FormReynolds::CommandLineaGas_Click() {
    const auto producto = [this](const QString &a, const QString &b) {
        return productoDeTextos(a, b);
    };
    DatosLineaGas d;
    d.dint = texto(tuberia::dint);
    d.rugosidad = texto(tuberia::Rugosidad);
    d.viscosidadDinamica = ui->Option4->isChecked()
                               ? producto(tuberia::Vcinematica, tuberia::dproceso)
                               : texto(tuberia::vdinamica);
    d.densidad = texto(tuberia::dproceso);
    d.masicoKgH = producto(tuberia::Qproceso, tuberia::dproceso);
    d.p1 = textoProcesoGas(gas::Pproceso).value_or(QString());
    d.temperatura = textoProcesoGas(gas::tproceso).value_or(QString());
    abrirLineaGas(d);
}

// Line sizing starts from this window's flow and fluid; the dynamic viscosity from the
// kinematic one times the density when that is the one given.
void FormReynolds::CommandDimensionar_Click() {
    DatosDimensionado d;
    d.caudal = texto(tuberia::Qproceso);
    d.densidad = texto(tuberia::dproceso);
    d.viscosidadDinamica = ui->Option4->isChecked()
                               ? productoDeTextos(tuberia::Vcinematica, tuberia::dproceso)
                               : texto(tuberia::vdinamica);
    d.rugosidad = texto(tuberia::Rugosidad);
    abrirDimensionado(d);
}

void FormReynolds::Command4_Click() {
    ui->Option3->click();
    if (ui->Option1->isChecked())
        abrirLiquidos();
}

void FormReynolds::Command7_Click() {
    if (ui->Option2->isChecked())
        abrirForm2();
    close();
}

} // namespace vorlo
