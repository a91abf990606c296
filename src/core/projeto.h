// The project file (".cvl", a snapshot of the series table), its name rules, and the station
// header built from it and from the station list file.
#pragma once

#include "serie.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace corvel {

inline constexpr auto kExtensaoProjeto = ".cvl";
inline constexpr auto kFiltroProjeto = "Arquivos do Corvel 1.0 (*.cvl)";
inline constexpr auto kArquivoListaEstacoes = "EstacaoListaCorvel1_0.xml";

inline constexpr auto kMsgNaoEhProjeto = "Este não é um arquivo de projeto do Corvel 1.0";
inline constexpr auto kMsgNaoEhProjetoEspacado = " Este não é um arquivo de projeto do Corvel 1.0 ";
inline constexpr auto kMsgNadaParaSalvar = "Não há modificações para salvar.";
inline constexpr auto kMsgArquivoExiste = "Um arquivo com este nome já existe. Deseja substitui-lo?";
QString mensagemErroSalvar(); // two lines: the error, then "Por favor, tente novamente."

// Reads a project file with the checks of opening, in order: extension (warning), readable table
// (the reader's own text), field Vazao03Status (warning, spaced text), usable records (error).
SerieTabela lerProjeto(const QString& caminho);
// The same checks but the extension's: for the current project file, whose name was accepted when
// it was chosen (a download may save under any name the user typed).
SerieTabela lerArquivoProjeto(const QString& caminho);
// Writes the series atomically. Throws ErroArquivo.
void gravarProjeto(const QString& caminho, const SerieTabela& serie);

// A name whose extension is not ".cvl" (any case) gets ".cvl" in place of its extension.
QString ajustarExtensaoProjeto(const QString& caminho);

// Asks for a file name until one is accepted: `pedirNome` shows the save dialog with the proposal
// and returns empty when cancelled; `confirmarSubstituicao` asks the overwrite question.
using PedirNome = std::function<std::optional<QString>(const QString& proposta)>;
using Confirmar = std::function<bool(const QString& pergunta)>;
std::optional<QString> escolherNomeProjeto(const QString& proposta, const PedirNome& pedirNome,
                                           const Confirmar& confirmarSubstituicao);

// The same for a download's project: a name of a file that does not exist is taken as typed,
// whatever its extension; an existing one goes through the rules above.
std::optional<QString> escolherNomeDownload(const QString& proposta, const PedirNome& pedirNome,
                                            const Confirmar& confirmarSubstituicao);

// Station name from the station list file; empty when the file is missing or unreadable or the
// code is not listed.
std::optional<QString> nomeEstacao(const QString& arquivoLista, qint32 codigo);

// What the station header shows. Lines are the project header lines 1 to 5.
struct CabecalhoProjeto {
    std::array<QString, 5> linhas;
    QString texto;        // the one-line header panel
    QString tituloJanela; // main window caption
    QString painel1, painel2;
};

inline constexpr auto kTituloAplicacao = "Corvel 1.0 - Ondarel";

// `codigo` is the station code of the current record (empty when no series is open).
CabecalhoProjeto montarCabecalho(const QString& arquivoProjeto, std::optional<qint32> codigo,
                                 int inicioAnoHidrologico, const QString& arquivoLista,
                                 bool exibido);

} // namespace corvel
