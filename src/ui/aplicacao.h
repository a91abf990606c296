// Process-wide settings of the desktop program: pt-BR locale and Qt's own texts in Portuguese,
// hint timing, white balloon tips.
#pragma once

class QApplication;

namespace corvel::ui {

inline constexpr auto kNomeProduto = "Corvel 1.0";

void configurarAplicacao(QApplication& app);

} // namespace corvel::ui
