// Brazilian number and date texts: decimal comma, thousands point, dd/mm/yyyy, whatever the
// machine's locale. Every number the system parses or writes as text goes through here.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

namespace corvel {

enum class Arredondamento {
    MetadeLongeDoZero, // a true tie goes away from zero (the usual display rule)
    MetadeParaPar,     // a true tie goes to the even neighbour
};

// Formats with a picture of the kind "0.00", "0.##", "###,###,##0.0000", "00.0" or "##0%":
// '0' a digit always shown, '#' a digit shown when significant, '.' the decimal comma, ',' anywhere
// in the integer part asks for thousands points; other characters are copied (no scaling for '%').
// Rounding is exact on the stored double: 2,675 is stored as 2,67499... and gives "2,67".
QString formatarNumero(double valor, QStringView padrao,
                       Arredondamento modo = Arredondamento::MetadeLongeDoZero);

// The general form: shortest text with up to 15 significant digits, exponent form ("1E-5",
// "1,5E15") only below 1E-4 or from 1E15.
QString formatarGeral(double valor);

// A flow (or a figure in flow units) as tables, reports and exports show it: the picture's form
// from 1 upwards; below 1, as many decimals as three significant digits need (0,137; 0,0137;
// 0,00137), at most six and never fewer than the picture has, so a creek's figures can be read.
QString formatarVazao(double valor, QStringView padrao);

// Every digit of the double: the shortest text that reads back to the same value, decimal comma,
// no exponent ("0,1", "17,236288122948345", "1,2E-7" never: "0,00000012").
QString formatarCompleto(double valor);

// Which texts an output gives its numbers: the display forms, or every digit (--todos-os-digitos).
enum class Digitos { Exibicao, Todos };
// formatarVazao or formatarCompleto.
QString formatarVazao(double valor, QStringView padrao, Digitos digitos);

// Rounds to a whole number, a true tie going to the even neighbour.
long long arredondarParaPar(double valor);

// Parses "-1234,5", " 7 ", "1,5E-3". Throws ErroConversao for anything else (a point is not a
// decimal separator here).
double lerReal(QStringView texto);
// Parses an optionally signed decimal integer. Throws ErroConversao otherwise.
long long lerInteiro(QStringView texto);

QString formatarData(QDate data);                 // "dd/mm/yyyy"
QString formatarDataHora(const QDateTime& valor); // "dd/mm/yyyy hh:mm:ss"
// Parses "d/m/yyyy" (one or two digits for day and month). Throws ErroConversao.
QDate lerData(QStringView texto);

// Qt applies the environment's locale at start, and with it the C library's LC_NUMERIC: on a
// Brazilian desktop printf and strtod then use a decimal comma. Our texts never depend on it, but
// the workbook libraries write and parse numbers through the C library. Every program calls this
// right after creating its application object.
void numerosDaBibliotecaCEmFormaPadrao();

// "Janeiro" ... "Dezembro"; any other number gives "?".
QString nomeMes(int mes);
// Month label "Março/1995".
QString rotuloMes(QDate data);

} // namespace corvel
