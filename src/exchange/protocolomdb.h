// The lines corvel-mdb and its client exchange: fields separated by tabs, each field escaped so
// that names and texts from the database never break a line or a field. Plain C++, since the
// reader program links no Qt.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace corvel::mdb {

inline constexpr char kSeparador = '\t';

// Requests, each a line of tab-separated fields:
//   T                                  -> "T" then one field per user table
//   C <tabela>                         -> "C" then "<campo>:<tipo>" per field, or "-" (no table)
//   D <tabela> <campo>                 -> "D" then the distinct non-null values, in table order
//   L <tabela> <filtro> <valor> <campos...>
//                                      -> one "R" line per row whose <filtro> has the text
//                                         <valor>, with the asked fields (empty = null), then "."
// Numbers travel as the shortest text that reads back to the same double; dates as the days since
// 30/12/1899 (the fraction is the time of day). Any failure answers "ERRO" (after the rows
// already sent, for L). The program first answers "OK" or "ERRO" for the file itself.
inline constexpr std::string_view kRespostaOk = "OK";
inline constexpr std::string_view kRespostaErro = "ERRO";
inline constexpr std::string_view kFimDasLinhas = ".";

// Column types as the reader reports them.
enum class TipoCampo : char {
    Inteiro = 'I', // Byte, Integer, Long Integer
    Real = 'R',    // Single, Double
    Data = 'D',    // Date/Time
    Texto = 'T',   // Text, Memo
    Outro = 'O',   // anything the reader does not convert
};

inline std::string escapar(std::string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (char c : texto) {
        switch (c) {
        case '\\':
            r += "\\\\";
            break;
        case '\t':
            r += "\\t";
            break;
        case '\n':
            r += "\\n";
            break;
        case '\r':
            r += "\\r";
            break;
        default:
            r += c;
        }
    }
    return r;
}

// False for a dangling or unknown escape.
inline bool desescapar(std::string_view texto, std::string& r) {
    r.clear();
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\\') {
            r += texto[i];
            continue;
        }
        if (++i >= texto.size()) return false;
        switch (texto[i]) {
        case '\\':
            r += '\\';
            break;
        case 't':
            r += '\t';
            break;
        case 'n':
            r += '\n';
            break;
        case 'r':
            r += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

// The fields of a line, still escaped.
inline std::vector<std::string_view> separar(std::string_view linha) {
    std::vector<std::string_view> campos;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = linha.find(kSeparador, inicio);
        if (fim == std::string_view::npos) {
            campos.push_back(linha.substr(inicio));
            return campos;
        }
        campos.push_back(linha.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
}

inline std::string textoNumero(double v) {
    char b[32];
    const auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}

inline std::string textoNumero(long long v) {
    char b[24];
    const auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}

// The whole text must be the number.
inline bool lerNumero(std::string_view t, double& v) {
    if (t.empty()) return false;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

} // namespace corvel::mdb
