#include "form_tuberias.h"

#include "app/globals.h"
#include "app/icons.h"
#include "app/texts.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipes/form_tuberias_texts.h"
#include "pipes/size_search.h"
#include "ui_form_tuberias.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <optional>

namespace vorlo {

namespace {

struct EleccionTuberia {
    NormaTuberia norma;
    int dn;
    QString cedula;
};

// The last pipe accepted while the program runs.
std::optional<EleccionTuberia> &ultimaEleccion() {
    static std::optional<EleccionTuberia> e;
    return e;
}

// Before anything has been accepted: the common carbon steel schedule of the smallest size.
const EleccionTuberia kEleccionInicial = {NormaTuberia::AsmeB3610M, 6, QStringLiteral("40")};

// The standard's name with what it covers.
QString textoNorma(NormaTuberia n, bool ingles) {
    QString material;
    switch (n) {
    case NormaTuberia::AsmeB3610M:
        material = ingles ? QStringLiteral("carbon and alloy steel")
                          : QStringLiteral("acero al carbono y aleado");
        break;
    case NormaTuberia::AsmeB3619M:
        material = ingles ? QStringLiteral("stainless steel") : QStringLiteral("acero inoxidable");
        break;
    case NormaTuberia::En10255:
        material = ingles ? QStringLiteral("threadable steel tube")
                          : QStringLiteral("tubo de acero roscable");
        break;
    }
    return material.isEmpty() ? nombreNorma(n)
                              : nombreNorma(n) + QStringLiteral(" (") + material + QLatin1Char(')');
}

QString textoFila(const TuberiaNormalizada &t, bool ingles) {
    if (t.cedula == QLatin1String("M"))
        return ingles ? QStringLiteral("M (medium series)") : QStringLiteral("M (serie media)");
    if (t.cedula == QLatin1String("H"))
        return ingles ? QStringLiteral("H (heavy series)") : QStringLiteral("H (serie pesada)");
    return textoCedula(t);
}

// Each nominal size's text as a user types it, beside the DN that names it.
constexpr int kRolTamano = Qt::UserRole + 1;

// The dimensions in the fields' format, two decimals ("114,30").
QString milimetros(double x) {
    return formatoFijo(x, 2).value_or(QString());
}

} // namespace

void olvidarUltimaTuberia() {
    ultimaEleccion().reset();
}

FormTuberias::FormTuberias(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormTuberias>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("FormTuberias"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("vorlo")));

    // The language as it stands when the window opens.
    m_ingles = lenguaActual() == Lengua::Ingles;
    aplicarTextosAlCargar(this, textosFormTuberias());
    ui->Norma->setAccessibleName(ui->Label1->text());
    ui->Nominal->setAccessibleName(ui->Label2->text());
    ui->Cedula->setAccessibleName(ui->Label3->text());

    for (NormaTuberia n : normasTuberia())
        ui->Norma->addItem(textoNorma(n, m_ingles), int(n));
    const EleccionTuberia e = ultimaEleccion().value_or(kEleccionInicial);
    if (!elegir(e.norma, e.dn, e.cedula))
        elegir(kEleccionInicial.norma, kEleccionInicial.dn, kEleccionInicial.cedula);

    connect(ui->Norma, &QComboBox::currentIndexChanged, this, &FormTuberias::Norma_Click);
    connect(ui->Nominal, &QComboBox::currentIndexChanged, this, &FormTuberias::Nominal_Click);
    connect(ui->Cedula, &QListWidget::itemSelectionChanged, this, &FormTuberias::Cedula_Click);
    connect(ui->Cedula, &QListWidget::itemDoubleClicked, this, &FormTuberias::Cedula_DblClick);
    connect(ui->Aceptar, &QPushButton::clicked, this, &FormTuberias::Aceptar_Click);
    connect(ui->Cancelar, &QPushButton::clicked, this, &FormTuberias::Cancelar_Click);
    // Typing the start of a size reaches the size meant (a combo box's own search would go on
    // from the size shown: "2" from 6" would give 20").
    ui->Nominal->installEventFilter(this);
    ui->Nominal->view()->installEventFilter(this);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &FormTuberias::Cancelar_Click);
    ui->Cedula->setFocus();
}

FormTuberias::~FormTuberias() = default;

void FormTuberias::fijarAlAceptar(AlElegirTuberia alAceptar) {
    m_alAceptar = std::move(alAceptar);
}

NormaTuberia FormTuberias::normaActual() const {
    return NormaTuberia(ui->Norma->currentData().toInt());
}

const TuberiaNormalizada *FormTuberias::tuberiaElegida() const {
    const QList<QListWidgetItem *> sel = ui->Cedula->selectedItems();
    if (sel.isEmpty())
        return nullptr;
    const int fila = sel.first()->data(Qt::UserRole).toInt();
    const QList<TuberiaNormalizada> &c = catalogoTuberias();
    return fila >= 0 && fila < c.size() ? &c.at(fila) : nullptr;
}

bool FormTuberias::elegir(NormaTuberia norma, int dn, const QString &cedula) {
    // Runs before the lists' signals are connected too: each step is called, not signalled.
    const int iNorma = ui->Norma->findData(int(norma));
    if (iNorma < 0)
        return false;
    {
        const QSignalBlocker bloqueo(ui->Norma);
        ui->Norma->setCurrentIndex(iNorma);
    }
    Norma_Click();
    const int iNominal = ui->Nominal->findData(dn);
    if (iNominal < 0)
        return false;
    {
        const QSignalBlocker bloqueo(ui->Nominal);
        ui->Nominal->setCurrentIndex(iNominal);
    }
    Nominal_Click();
    const int fila = filaDeCedula(cedula);
    if (fila < 0)
        return false;
    {
        const QSignalBlocker bloqueo(ui->Cedula);
        ui->Cedula->setCurrentRow(fila);
    }
    Cedula_Click();
    return true;
}

int FormTuberias::filaDeCedula(const QString &cedula) const {
    const QList<TuberiaNormalizada> &c = catalogoTuberias();
    for (int i = 0; i < ui->Cedula->count(); ++i)
        if (c.at(ui->Cedula->item(i)->data(Qt::UserRole).toInt()).cedula == cedula)
            return i;
    return -1;
}

void FormTuberias::Norma_Click() {
    const int dnAnterior = ui->Nominal->currentData().toInt();
    const NormaTuberia norma = normaActual();
    {
        const QSignalBlocker bloqueo(ui->Nominal);
        ui->Nominal->clear();
        for (const TuberiaNormalizada &t : catalogoTuberias())
            if (t.norma == norma && ui->Nominal->findData(t.dn) < 0) {
                ui->Nominal->addItem(textoNominal(t), t.dn);
                ui->Nominal->setItemData(ui->Nominal->count() - 1, tamanoTecleable(t), kRolTamano);
            }
        const int i = ui->Nominal->findData(dnAnterior);
        ui->Nominal->setCurrentIndex(i >= 0 ? i : 0);
    }
    Nominal_Click();
}

void FormTuberias::Nominal_Click() {
    const TuberiaNormalizada *anterior = tuberiaElegida();
    const QString cedulaAnterior = anterior ? anterior->cedula : QString();
    const NormaTuberia norma = normaActual();
    const int dn = ui->Nominal->currentData().toInt();
    const QSignalBlocker bloqueo(ui->Cedula);
    ui->Cedula->clear();
    const QList<TuberiaNormalizada> &c = catalogoTuberias();
    for (qsizetype i = 0; i < c.size(); ++i) {
        if (c.at(i).norma != norma || c.at(i).dn != dn)
            continue;
        auto *item = new QListWidgetItem(textoFila(c.at(i), m_ingles), ui->Cedula);
        item->setData(Qt::UserRole, int(i));
    }
    // The same schedule where the new size has it (Sch 40 and 40S stand for each other when
    // the standard changes); otherwise Sch 40, otherwise the lightest wall.
    const QStringList preferidas = cedulasEquivalentes(cedulaAnterior) +
                                   QStringList{QStringLiteral("40"), QStringLiteral("40S")};
    int elegida = 0;
    for (const QString &p : preferidas) {
        if (const int i = filaDeCedula(p); !p.isEmpty() && i >= 0) {
            elegida = i;
            break;
        }
    }
    if (ui->Cedula->count() > 0)
        ui->Cedula->setCurrentRow(elegida);
    Cedula_Click();
}

void FormTuberias::Cedula_Click() {
    const TuberiaNormalizada *t = tuberiaElegida();
    ui->DExterior->setText(t ? milimetros(t->exterior) : QString());
    ui->Espesor->setText(t ? milimetros(t->espesor) : QString());
    ui->DInterior->setText(t ? milimetros(t->interior) : QString());
    ui->Designacion->setText(t ? designacionTuberia(*t) : QString());
    ui->Aceptar->setEnabled(t != nullptr);
}

void FormTuberias::Cedula_DblClick() {
    Aceptar_Click();
}

void FormTuberias::Aceptar_Click() {
    const TuberiaNormalizada *t = tuberiaElegida();
    if (!t)
        return;
    ultimaEleccion() = EleccionTuberia{t->norma, t->dn, t->cedula};
    const QString interior = ui->DInterior->text();
    const QString designacion = designacionTuberia(*t);
    // The receiver may open or close windows; this one is done before it runs.
    const AlElegirTuberia alAceptar = m_alAceptar;
    close();
    if (alAceptar)
        alAceptar(interior, designacion);
}

void FormTuberias::Cancelar_Click() {
    close();
}

bool FormTuberias::eventFilter(QObject *obj, QEvent *ev) {
    if (ev->type() == QEvent::KeyPress && (obj == ui->Nominal || obj == ui->Nominal->view()) &&
        buscarTecleado(static_cast<QKeyEvent *>(ev), obj != ui->Nominal))
        return true;
    return QWidget::eventFilter(obj, ev);
}

// The characters typed within the keyboard search interval form the start of the size meant.
bool FormTuberias::buscarTecleado(const QKeyEvent *ev, bool enDesplegable) {
    const QString texto = ev->text();
    if (texto.isEmpty() || !texto.front().isPrint() ||
        (ev->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (!m_ultimaTecla.isValid() || m_ultimaTecla.elapsed() > QApplication::keyboardInputInterval())
        m_tecleado.clear();
    // A space or a hyphen only goes on with a size being typed; alone, a space opens the list.
    if (m_tecleado.isEmpty() && (texto == QLatin1String(" ") || texto == QLatin1String("-")))
        return false;
    m_tecleado += texto;
    m_ultimaTecla.start();
    QStringList tamanos;
    for (int i = 0; i < ui->Nominal->count(); ++i)
        tamanos << ui->Nominal->itemData(i, kRolTamano).toString();
    const int fila = filaDeTamano(tamanos, m_tecleado);
    if (fila >= 0) {
        if (enDesplegable)
            ui->Nominal->view()->setCurrentIndex(ui->Nominal->model()->index(fila, 0));
        else
            ui->Nominal->setCurrentIndex(fila);
    }
    return true;
}

} // namespace vorlo
