// The analysis windows the "Vazões" menu and its toolbar buttons open.
#include "TfrmCurva_Regularizacao.h"
#include "TfrmMinVazao.h"
#include "TfrmPrincipal.h"
#include "TfrmVazaoMax.h"
#include "TfrmVazaoMedia.h"
#include "TfrmcurvaPermanencia.h"

namespace corvel::ui {

void TfrmPrincipal::registrarAnalises() {
    registrarAnalise(QStringLiteral("VazoesMinimas1"),
                     [](TfrmPrincipal& p) { return std::make_unique<TfrmMinVazao>(p); });
    registrarAnalise(QStringLiteral("VazoesMedias1"),
                     [](TfrmPrincipal& p) { return std::make_unique<TfrmVazaoMedia>(p); });
    registrarAnalise(QStringLiteral("VazoesMaximas1"),
                     [](TfrmPrincipal& p) { return std::make_unique<TfrmVazaoMax>(p); });
    registrarAnalise(QStringLiteral("CurvaPermanencia1"),
                     [](TfrmPrincipal& p) { return std::make_unique<TfrmcurvaPermanencia>(p); });
    registrarAnalise(QStringLiteral("Regularizacao1"),
                     [](TfrmPrincipal& p) { return std::make_unique<TfrmCurva_Regularizacao>(p); });
}

} // namespace corvel::ui
