#include "viscosidad.h"

#include "app/globals.h"
#include "app/icons.h"
#include "app/windows.h"
#include "catalogues/catalogues.h"
#include "catalogues/viscosidad_texts.h"
#include "fields/numbers.h"
#include "pipeflow/form_reynolds.h"
#include "ui_viscosidad.h"

namespace vorlo {

Viscosidad::Viscosidad(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Viscosidad>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Viscosidad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("gases")));
    aplicarTextos(this, textosViscosidad(), Lengua::Espanol);
    // The list is named after the window, without the program's name.
    ui->List1->setAccessibleName(windowTitle().section(QStringLiteral(" - "), -1));

    const QList<GasCatalogo> &gases = catalogoGases();
    for (qsizetype i = 0; i < gases.size(); ++i) {
        ui->List1->addItem(gases.at(i).texto);
        TablaViscosidad.at(static_cast<std::size_t>(i)) = gases.at(i).viscosidad;
    }
    ui->Command1->setEnabled(false);

    connect(ui->List1, &QListWidget::itemSelectionChanged, this, &Viscosidad::List1_Click);
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, &Viscosidad::List1_DblClick);
    connect(ui->Command1, &QPushButton::clicked, this, &Viscosidad::Command1_Click);
    connect(ui->Cancelar, &QPushButton::clicked, this, &Viscosidad::Cancelar_Click);
}

Viscosidad::~Viscosidad() = default;

// Read from this window's own rows: the shared catalogue table is overwritten by the liquid
// catalogue when that opens while this window is still open.
void Viscosidad::List1_Click() {
    const QList<QListWidgetItem *> sel = ui->List1->selectedItems();
    if (sel.isEmpty())
        return;
    const int fila = ui->List1->row(sel.first());
    const QList<GasCatalogo> &gases = catalogoGases();
    if (fila < 0 || fila >= gases.size())
        return;
    if (const auto t = formatoPlano(gases.at(fila).viscosidad))
        ui->Viscos->setText(*t);
    ui->Command1->setEnabled(true);
}

void Viscosidad::List1_DblClick() {
    List1_Click();
    if (!ui->Viscos->text().isEmpty())
        ventanas().obtener<FormReynolds>()->escribir(QStringLiteral("vdinamica"),
                                                     ui->Viscos->text());
    close();
}

void Viscosidad::Command1_Click() {
    List1_DblClick();
}

void Viscosidad::Cancelar_Click() {
    close();
}

} // namespace vorlo
