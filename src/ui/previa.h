// How every print preview opens: maximised, the page's width filling the window (a whole page at
// once reads at about 5 px in a 692 px window), and the zoom box in the locale's form ("55,8 %",
// where Qt writes "55.8%"), typed with a decimal comma too.
#pragma once

class QPrintPreviewDialog;

namespace corvel::ui {

// Call before the preview is shown.
void prepararPrevia(QPrintPreviewDialog& previa);

} // namespace corvel::ui
