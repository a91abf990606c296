// Small widgets the analysis windows share.
#pragma once

class QLineEdit;
class QWidget;

namespace corvel::ui {

// A read-only box of a window's header. It takes focus only when clicked, and the window's own
// keys (Ctrl+E, F9 ...) pass through it: a line edit would otherwise keep Ctrl+E and similar
// editing keys for itself.
QLineEdit* campoSomenteLeitura(QWidget* pai, const char* nome);

// Lets the window's shortcuts through a text box that would take them as editing keys.
void deixarPassarAtalhos(QWidget* campo);

} // namespace corvel::ui
