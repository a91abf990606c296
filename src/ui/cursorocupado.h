// The busy cursor for the length of a scope, restored on every way out.
#pragma once

#include <QApplication>

namespace corvel::ui {

class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { liberar(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;

    // Restores the cursor early, before a message box.
    void liberar() {
        if (ativo_)
            QApplication::restoreOverrideCursor();
        ativo_ = false;
    }

private:
    bool ativo_ = true;
};

} // namespace corvel::ui
