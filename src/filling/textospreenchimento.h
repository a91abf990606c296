// The fixed texts of gap filling: captions, titles, questions and messages, in one place so the
// window and the command-line tool show exactly the same words.
#pragma once

namespace corvel {

inline constexpr auto kTituloJanelaPreenchimento = "Preenchimento de séries";
inline constexpr auto kAbaDadosMensais = "Dados mensais";
inline constexpr auto kAbaEstatisticas = "Estatísticas";
inline constexpr auto kLegendaPreenchidos = "Os eventos em vermelho foram preenchidos";
inline constexpr auto kLegendaApoio = "Os eventos em azul foram utilizados para o preenchimento ";

// Period dialog.
inline constexpr auto kTituloPeriodoPreenchimento = "Período de preenchimento";
inline constexpr auto kGrupoPeriodo = " Período ";
inline constexpr auto kRotuloInicio = "Início";
inline constexpr auto kRotuloFim = "Fim";
inline constexpr auto kInicioPadrao = "1970";
inline constexpr auto kFimPadrao = "1990";
inline constexpr auto kMsgQuatroDigitos = "Use 4 dígitos para escrever o ano";
inline constexpr auto kMsgIntervaloInvalido = "Intervalo inválido";

// Project and stations.
inline constexpr auto kPerguntaNovoProjeto = "Deseja iniciar um novo projeto?";
inline constexpr auto kTituloAdicionarEstacao = "Adicionar Estação";
inline constexpr auto kMsgArquivoProjetoInvalido = "Arquivo de projeto inválido.";
inline constexpr auto kMsgProjetoCorrompido =
    "Este arquivo não é Projeto válido ou está corrompido.";
inline constexpr auto kMsgNenhumaBase = "Nenhuma base de dados encontrada.";
inline constexpr auto kMsgNenhumaSelecionada = "Nenhuma estação foi selecionada.";
inline constexpr auto kPerguntaExcluir = "Deseja excluir esta estação?";
inline constexpr auto kPerguntaPerderPreenchimento =
    "O preenchimento atual será perdido. Deseja continuar?";
inline constexpr auto kTituloListaEstacoes = "Lista de estações";
inline constexpr auto kGrupoExcluir = "Escolha a estação a ser excluida";
inline constexpr auto kGrupoPreencher = "Escolha a estação a ser preenchida";

// Project file and exports.
inline constexpr auto kExtensaoPreenchimento = ".psv";
inline constexpr auto kFiltroSalvarPreenchimento = "Preenchimento de séries de vazões(*.psv)|*.psv";
inline constexpr auto kFiltroAbrirPreenchimento = "Projeto Preenchimento de séries (*.psv)|*.psv";
inline constexpr auto kTituloAbrirPreenchimento = "Abrir um projeto de preenchimento de séries";
inline constexpr auto kPerguntaArquivoExiste = "O arquivo já existe. Deseja substitui-lo?";
inline constexpr auto kFiltroCsvPreenchimento =
    "Arquivos (*.CSV Separado por Ponto-e-vírgula)|*.CSV";
inline constexpr auto kTituloPlanilhaPreenchimento = "Preenchimento de série mensal";
inline constexpr auto kTituloRelatorioPreenchimento = "Preenchimento mensal";

// Filling.
inline constexpr auto kMsgNenhumaDisponivel = "Nenhuma estação disponível";
inline constexpr auto kMsgNenhumDisponivel = "Nenhum estação disponível"; // later orders
inline constexpr auto kMsgEstacaoRejeitada =
    "O preenchimento não pode ser efetuado com estação que tenha sido rejeitada.";
inline constexpr auto kMsgNadaPreenchido = "Nenhum dado foi preenchido.";
inline constexpr auto kTituloEscolhaEstacao = "Escolha a estação";
inline constexpr auto kTextoEscolhaEstacao =
    "Escolha uma das estações e clique em \"Preencher com esta estação\". A janela será fechada e "
    "o "
    "preenchimento será efetuado utilizando a estação selecionada. ";
inline constexpr auto kCaixaPreencherCom = "Preencher com esta estação";

inline constexpr auto kValidacaoAceita = "Estação aceita";
inline constexpr auto kValidacaoRejeitada = "Estação Rejeitada";
inline constexpr auto kValidacaoMesma = "Mesma estação";
inline constexpr auto kValidacaoSemDados = "Sem dados suficientes";

} // namespace corvel
