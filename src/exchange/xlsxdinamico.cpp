// libxlsxwriter opened on the first workbook written.
#include "xlsxdinamico.h"

#include "core/erros.h"

#include <QLibrary>
#include <optional>

namespace corvel::xlsx {

namespace {

Funcoes carregar() {
    static QLibrary biblioteca;
    // The name the build linked against first, then the unversioned one.
    for (const QString& nome :
         {QStringLiteral(CORVEL_XLSXWRITER_SONAME), QStringLiteral("xlsxwriter")}) {
        biblioteca.setFileName(nome);
        if (biblioteca.load()) break;
    }
    if (!biblioteca.isLoaded())
        throw Erro(QStringLiteral("Não foi possível carregar a biblioteca de planilhas "
                                  "(libxlsxwriter): %1")
                       .arg(biblioteca.errorString()));
    Funcoes f{};
    const auto resolver = [&](auto& ponteiro, const char* nome) {
        ponteiro =
            reinterpret_cast<std::remove_reference_t<decltype(ponteiro)>>(biblioteca.resolve(nome));
        if (!ponteiro)
            throw Erro(QStringLiteral("A biblioteca de planilhas (libxlsxwriter) não tem %1")
                           .arg(QString::fromLatin1(nome)));
    };
    resolver(f.workbook_new, "workbook_new");
    resolver(f.workbook_close, "workbook_close");
    resolver(f.workbook_add_worksheet, "workbook_add_worksheet");
    resolver(f.workbook_add_format, "workbook_add_format");
    resolver(f.format_set_num_format, "format_set_num_format");
    resolver(f.format_set_bg_color, "format_set_bg_color");
    resolver(f.format_set_font_color, "format_set_font_color");
    resolver(f.format_set_bold, "format_set_bold");
    resolver(f.worksheet_write_blank, "worksheet_write_blank");
    resolver(f.worksheet_write_string, "worksheet_write_string");
    resolver(f.worksheet_write_number, "worksheet_write_number");
    resolver(f.worksheet_write_datetime, "worksheet_write_datetime");
    resolver(f.worksheet_write_boolean, "worksheet_write_boolean");
    resolver(f.lxw_strerror, "lxw_strerror");
    return f;
}

} // namespace

const Funcoes& funcoes() {
    // A failed load throws out of the initialisation, so the next call tries again.
    static const Funcoes f = carregar();
    return f;
}

} // namespace corvel::xlsx
