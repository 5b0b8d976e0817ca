#pragma once

#include <QChar>
#include <QObject>
#include <functional>
#include <optional>

class QLineEdit;

namespace vorlo {

// Applies a key rule to each typed character of the line edits it is installed on: the rule
// may replace the character or drop it. Keys without a character (arrows, shortcuts) pass.
class FiltroTeclas : public QObject {
    Q_OBJECT
  public:
    using Regla = std::function<std::optional<QChar>(QChar)>;
    FiltroTeclas(Regla regla, QObject *parent);

    void instalar(QLineEdit *campo);

    // The numeric fields' rule (a point becomes a comma).
    static Regla reglaNumerica();
    // Digits and Backspace only (counts of fittings).
    static Regla reglaEnteros();

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;

  private:
    Regla m_regla;
};

} // namespace vorlo
