#pragma once

#include "fields/field_texts.h"
#include "fields/input_checks.h"
#include "pipeflow/pipe_flow.h"

#include <QString>
#include <optional>

// Which pipe flow inputs a pass can use. An input that is not a number, or zero or negative
// where the quantity cannot be, counts as absent, so that every result depending on it is
// emptied rather than left from the last good value; the help line says which and why.
namespace vorlo::tuberia {

// What an input of the pass can be; nullopt for a field the pass only writes.
std::optional<Requisito> requisito(const QString &campo);

// Relative roughness beyond which the Colebrook correlation (and the Moody chart) is
// extrapolated.
inline constexpr double kRugosidadRelativaMaxima = 0.05;

// The field texts as a pass may use them: an input whose text it cannot take reads as empty.
// Writes go through unchanged.
class CamposValidos : public CamposDelegados {
  public:
    explicit CamposValidos(CamposTexto &campos) : CamposDelegados(campos) {}

    QString texto(const QString &campo) const override;
    std::optional<double> valor(const QString &campo) const override;
    // Whether `campo` holds a text the pass cannot take.
    bool invalido(const QString &campo) const;
};

// What the help line says about the inputs after a pass, in both languages, red: each input
// the pass could not take and why, and where the friction factor is extrapolated or has no
// Colebrook root. nullopt when all is well.
std::optional<NotaTuberia> avisoEntradas(const CamposTexto &campos);

} // namespace vorlo::tuberia
