// Window tests run offscreen inside one QApplication, configured as the program configures it.
#include "ui/aplicacao.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    corvel::ui::prepararAmbiente();
    corvel::ui::AplicacaoCorvel app(argc, argv);
    corvel::ui::configurarAplicacao(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
