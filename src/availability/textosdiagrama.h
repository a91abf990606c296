// The fixed texts of the availability diagram: captions, titles, questions and messages, kept in
// one place so the window and the command-line tool show exactly the same words.
#pragma once

namespace corvel {

inline constexpr auto kTituloJanelaDiagrama = "Disponibilidade de dados";
inline constexpr int kTopicoAjudaDiagrama = 8;
inline constexpr auto kTituloPeriodoDiagrama = "Período";
inline constexpr auto kRotuloAnoInicialDialogo = "Ano inicial:";
inline constexpr auto kRotuloAnoFinalDialogo = "Ano final:";
inline constexpr auto kRotuloAnoInicial = "  Ano inicial";
inline constexpr auto kRotuloAnoFinal = "   Ano final";

inline constexpr auto kTituloOrdem = "Nº de ordem";
inline constexpr auto kTituloEstacao = "Cód. da Estação";
inline constexpr auto kCampoOrdem = "IDListaEstacoes";
inline constexpr auto kCampoEstacao = "Estacao";
inline constexpr int kTamanhoCampoEstacao = 40;

inline constexpr auto kExtensaoDiagrama = ".dgv";
inline constexpr auto kFiltroDiagrama = "Diagrama de barras [Vazão]|*.dgv";
inline constexpr auto kFiltroProjetosDiagrama = "Arquivos de projetos do Corvel 1.0|*.cvl";
inline constexpr auto kTituloPlanilhaDiagrama = "Diagrama de barras";

inline constexpr auto kMsgPeriodoInvalido = "Período inválido";
inline constexpr auto kMsgDefinaPeriodo = "O defina o período corretamente.";
inline constexpr auto kMsgLimitesPeriodo = "Verifique os limites do período";
inline constexpr auto kPerguntaNovoDiagrama = "Deseja criar um novo diagrama de barras?";
inline constexpr auto kPerguntaTodosProjetos =
    "Nesta pasta há mais de um arquivo de projeto do Corvel 1.0. Deseja adicionar todos eles "
    "ignorando as estações repetidas?";
inline constexpr auto kPerguntaExcluirEstacao = "Deseja excluir a estação?";
inline constexpr auto kMsgNaoEhDiagrama = "Esse não é um arquivo de \"Lista de estações\".";
inline constexpr auto kMsgSemConteudoExportar = "Sem conteúdo para exportar";
// Heads the list of the project files of a folder that could not be read.
inline constexpr auto kMsgArquivosIlegiveis =
    "Os arquivos abaixo não puderam ser lidos e ficaram fora do diagrama:";

inline constexpr auto kLegendaTitulo = "Legenda:";
inline constexpr auto kLegendaValor =
    "O valor em cada célula indica a porcentagem de dados presentes para cada ano.";
inline constexpr auto kLegendaCores = "As cores indicam, visualmente, a faixa de porcentagem de "
                                      "dados presentes para cada ano: ";

} // namespace corvel
