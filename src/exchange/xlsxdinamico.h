// libxlsxwriter opened on the first workbook written: the library brings in a cryptography
// library whose loading alone would add a few milliseconds to every start of corvel-cli, though
// only the workbook exports need it.
#pragma once

#include <xlsxwriter.h>

namespace corvel::xlsx {

// The library's functions this program calls, typed from its own header.
struct Funcoes {
    decltype(&::workbook_new) workbook_new;
    decltype(&::workbook_close) workbook_close;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::format_set_num_format) format_set_num_format;
    decltype(&::format_set_bg_color) format_set_bg_color;
    decltype(&::format_set_font_color) format_set_font_color;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::worksheet_write_blank) worksheet_write_blank;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_write_datetime) worksheet_write_datetime;
    decltype(&::worksheet_write_boolean) worksheet_write_boolean;
    decltype(&::lxw_strerror) lxw_strerror;
};

// Loads the library once (thread-safe). Throws Erro when it or one of its functions is missing.
const Funcoes& funcoes();

} // namespace corvel::xlsx
