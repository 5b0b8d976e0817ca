#include "app/form1.h"
#include "app/windows.h"

#include <QApplication>
#include "app/icons.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlo"));
    QApplication::setWindowIcon(vorlo::icono(QStringLiteral("vorlo")));
    vorlo::ventanas().mostrar<vorlo::Form1>();
    return app.exec();
}
