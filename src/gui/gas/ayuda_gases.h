#pragma once

#include <QWidget>

namespace vorlo {

// The gas window's help: eight paragraphs, in Spanish whatever the language.
class AyudaGases : public QWidget {
    Q_OBJECT
  public:
    explicit AyudaGases(QWidget *parent = nullptr);
};

} // namespace vorlo
