// The station list as the web-service window and corvel-cli estacoes use it: reading the list file,
// the search by code or name, the counts, and how many stations one download takes.
#pragma once

#include "core/tabela.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace corvel {

// "Ocorreu um erro. Pode ser que a lista de estações tenha sido  excluída. ..."
QString mensagemListaAusente();

// The station list file: a table with the text fields Codigo and Nome (Latitude and Longitude
// when present). Throws ErroArquivo otherwise.
struct ListaEstacoes {
    Tabela tabela;
    int codigo = 0, nome = 1, latitude = -1, longitude = -1; // field positions; -1 when absent
    qsizetype tamanho() const { return tabela.linhas(); }
    QString codigoDe(qsizetype linha) const { return tabela.texto(linha, codigo); }
};
ListaEstacoes lerListaEstacoes(const QString& arquivo);
ListaEstacoes listaEstacoes(Tabela tabela);

// Rows whose code or name starts with `texto`, letters compared without regard to case, in list
// order; every row for an empty text. The text is taken as typed: quotes, "%" and "_" are plain
// characters.
std::vector<qsizetype> filtrarEstacoes(const ListaEstacoes& lista, QStringView texto);

// The count label when the window opens ("1 Estação localizada", "12 Estações localizadas") and
// while the user types ("Nenhuma estação localizada.", "1 estação localizada.", "12 estações
// localizadas.").
QString textoEstacoesNaLista(qsizetype n);
QString textoEstacoesLocalizadas(qsizetype n);

// The question before the list is refreshed from the service.
QString perguntaAtualizarLista();

// How many stations of a filtered list of `n` one import takes: with "Baixar múltiplas estações"
// ticked and 2 to 500 stations, all of them after a question; past 500, the first 10 after
// another; otherwise the current one, without a question.
inline constexpr qsizetype kMaximoEstacoesPorDownload = 500;
inline constexpr qsizetype kEstacoesAlemDoMaximo = 10;
struct PlanoDownload {
    std::optional<QString> pergunta; // Yes/No; No ends the import
    qsizetype estacoes = 1;          // stations downloaded after Yes (or without a question)
};
PlanoDownload planoDownload(qsizetype n, bool multiplas);

} // namespace corvel
