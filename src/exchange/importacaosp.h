// Import of the São Paulo water authority's fixed-width daily-flow text file (one line per month)
// into a fresh series. The caller hands the result to the workbench (Bancada::assumirImportacao)
// and saves it.
#pragma once

#include "importacaoagencia.h"
#include "progresso.h"
#include "resultadoimportacao.h"

#include <QByteArrayView>
#include <QString>

namespace corvel {

// A data line: the month ("03/1985") and days 1 to 31, each in a column of 7 characters.
inline constexpr int kLarguraColunaSaoPaulo = 7;
inline constexpr int kColunasSaoPaulo = 32;
// What the records hold in Vazao02Status until the finishing step marks them considered.
inline constexpr qint16 kInicioAnoLidoSaoPaulo = 1000;

// Reads the file (Latin-1, or UTF-8). Throws Erro (warning) "Arquivo inválido." for an extension
// other than .txt or a first line without "PREFIXO", Erro with mensagemEstruturaInvalida() when no
// line holds "Mês/Ano" or no month follows it, and ErroImportacao for anything else that goes
// wrong. The records read carry level 1; the result's level, which the months added by the
// completion get, is 2. `progresso` gets the number of data lines read.
ResultadoImportacao importarArquivoSaoPaulo(const QString& caminho,
                                            const Progresso& progresso = {});

// The same over the file's bytes: throws Erro as above and ErroConversao (naming the line) for a
// value that cannot be converted, a station code that is not a positive integer, or a date
// outside 1800 to 2100.
ResultadoImportacao lerTextoSaoPaulo(QByteArrayView bytes, const Progresso& progresso = {});

} // namespace corvel
